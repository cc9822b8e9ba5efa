// The seismic lines of the earth-pressure section: the design seismic coefficients (under the
// road guideline with the zone factor and the standard coefficient) and the composite seismic
// angle thetaK = atan(Kh / (1 - Kv)), formula, numbers and value.

#include "report/conventions.h"
#include "report/form4_doatu_steps.h"

namespace pelzaro {

void doatuSeismicLines(ReportContext& c) {
    const Module1& m = c.m;
    Surface& pri = c.pri;
    if (c.opt.std_T) {
        printAt(pri, 1925, 1400,
                {"設計水平震度Kh=", Num(m.Kh, "0.00"), "    設計鉛直震度Kv=",
                 Num(m.Kv, "0.00")});
    } else if (c.opt.std_D) {
        printAt(pri, 1925, 1400,
                {"設計水平震度Kh=CZ･Kho=", Num(m.Cz, "0.00"), "×", Num(m.Kho, "0.00"), "=",
                 Num(m.Kh, "0.00##"), "    設計鉛直震度Kv=", Num(m.Kv, "0.00")});
    }
    printAt(pri, 1925, 1700,
            {"地震合成角θk=Atn{Kh/(1－Kv)}", "=", "Atn{", Num(m.Kh, "0.00##"),
             "/(1－", Num(m.Kv, "0.00"), ")}=", degrees(m.ThetaK), "ﾟ"});
}

}  // namespace pelzaro
