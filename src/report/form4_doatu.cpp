// The earth-pressure section of report page 3: heading, the coefficient in the form the
// design conditions chose (typed, Coulomb or seismic, with the wall-friction derivation in the
// seismic case where delta was computed), then the forces.

#include "report/conventions.h"
#include "report/form4_doatu_steps.h"
#include "report/report_context.h"
#include "report/sections.h"
#include "report/stability_result.h"

namespace pelzaro {

namespace {

const char* const kHeading = "　          ３）擁壁に及ぼす土圧";
const char* const kTypedKA = "                主働土圧係数 KA=";

// Wall inertia with the normal earth pressure: the seismic lines and the derivation where
// delta was computed, then a typed coefficient below them.
void blockB(ReportContext& c) {
    if (c.m.Flg_DeltaCalc == 1) {
        doatuSeismicLines(c);
        Form4_jDERUTA(c);
    }
    if (c.opt.kaTyped) {
        c.pri.CurrentY(c.layout.Doatu_OfsY + 1600);
        c.pri.Print({kTypedKA, Num(c.m.KA, "0.00#")});
        c.pri.Print();
    }
}

// The seismic earth pressure: the seismic lines whatever delta came from, the derivation
// where it was computed, then the seismic coefficient.
void blockD(ReportContext& c) {
    doatuSeismicLines(c);
    if (c.m.Flg_DeltaCalc == 1) Form4_jDERUTA(c);
    doatuMononobeOkabe(c);
    c.pri.Print();
    c.pri.Print();
    c.pri.FontSize(11);
}

}  // namespace

// The derivation is drawn only where delta was computed (flag 1). Any other flag, whatever
// text a project file held, draws none and so needs no room: the offset is 0 then, never a
// value left by an earlier drawing of another project.
int doatuOffset(int Flg_DeltaCalc, const PageChoices& opt) {
    if (Flg_DeltaCalc != 1) return 0;
    return opt.method_K2 && (opt.kaTyped || opt.kaComputed) ? 2600 : 2000;
}

void Form4_Doatu(ReportContext& c) {
    Surface& pri = c.pri;
    blankLines(pri, c.layout.Loop_i, 5);
    pri.Print({kHeading});
    pri.DrawStyle(0);
    c.layout.Doatu_OfsY = doatuOffset(c.m.Flg_DeltaCalc, c.opt);
    if (stabilityRefused(c.m)) {
        printStabilityRefusal(c);
        return;
    }
    // The seismic method options are read whatever the case: a stale choice left in the
    // seismic dialog still counts, as it does for every other section.
    if (c.opt.case_N && c.opt.kaTyped) {
        pri.Print();
        pri.Print({kTypedKA, Num(c.m.KA, "0.00#")});
        pri.Print();
    }
    if (c.opt.method_K2) blockB(c);
    if (c.opt.kaComputed) {
        if (c.opt.method_K2 || c.opt.case_N) {
            doatuCoulomb(c);
            pri.Print();
            pri.Print();
        }
        if (c.opt.method_D1 || c.opt.method_K1) blockD(c);
    }
    doatuForces(c);
}

}  // namespace pelzaro
