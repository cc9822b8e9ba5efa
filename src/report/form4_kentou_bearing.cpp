// "２）地盤支持力(接地圧)に対する検討": the resultant where the overturning check did not print
// it, the maximum and minimum ground pressure with their formulas, and one verdict against the
// allowable bearing capacity. The pressures are the stored ones; the formula shown is the one
// the calculation used.

#include <cmath>

#include "report/form4_kentou_parts.h"
#include "report/form4_kentou_texts.h"
#include "report/surface.h"
#include "state/module1.h"

namespace pelzaro::kentou {

namespace {

void printResultantLines(ReportContext& c) {
    const Module1& m = c.m;
    const PageChoices& o = c.opt;
    const ReportLine d{kBearingDLine, moment(m.Mr), kMinus,  moment(m.Mo), kCloseOver,
                       n3(m.SumV),    kEquals,      n3(m.d), kMetre};
    auto e = [&](const char* label) {
        return ReportLine{label, n3(m.B), kHalfMinus, n3(m.d), kEquals, n3(m.e), kMetre};
    };
    if (o.case_N) {
        if (o.n_F15) c.pri.Print(d);
        if (o.n_F15 || o.n_BOver3) c.pri.Print(e(kBearingENormal));
    } else if (o.case_S && (o.s_F10 || o.s_F12)) {
        c.pri.Print(d);
        c.pri.Print(e(kBearingESeismic));
    }
}

// The numbers line of a pressure formula: (SumV/B) x {1 +- (6 x |e| / B)} or the lifted form.
ReportLine numbers(const Module1& m, const char* open, const char* close) {
    return {kFormulaNumbers,    n3(m.SumV), kSlash,  n3(m.B), open,
            n3(std::fabs(m.e)), kSlash,     n3(m.B), close};
}

void printPressures(ReportContext& c) {
    const Module1& m = c.m;
    Surface& pri = c.pri;
    const bool eccentric = m.e != 0.0f;
    if (fullyLoaded(m)) {
        pri.Print({kSigmaMaxFull});
        pri.Print(numbers(m, kPlusSixE, kCloseBrace));
        pri.Print({kFormulaResult, n3(m.Sigma_max), kPressureUnit});
        if (!eccentric) return;
        pri.Print({kSigmaMinFull});
        pri.Print(numbers(m, kMinusSixE, kCloseBrace));
        pri.Print({kFormulaResult, n3(m.Sigma_min), kPressureUnit});
        return;
    }
    pri.Print({kSigmaMaxLifted});
    pri.Print(numbers(m, kLiftedOpen, kLiftedClose));
    pri.Print({kFormulaResult, n3(m.Sigma_max), kPressureUnit});
    if (eccentric) pri.Print({kSigmaMinZero});
}

// One line; it names sigma_min only where its lines were printed and, failing, only when it
// exceeds the allowable value too.
void printVerdict(ReportContext& c) {
    const Module1& m = c.m;
    const bool eccentric = m.e != 0.0f;
    const std::string qa = Num(m.Qa, "0.0");
    if (bearingPasses(m.Sigma_max, m.Qa)) {
        c.pri.Print({eccentric ? kBothBelow : kMaxBelow, qa, kPressureOK});
        return;
    }
    const bool both = eccentric && !bearingPasses(m.Sigma_min, m.Qa);
    Pri_NG(c.pri, {{both ? kBothAbove : kMaxAbove, qa, kPressureNG}});
}

}  // namespace

void printBearing(ReportContext& c) {
    c.pri.Print({kBearingTitle});
    c.pri.Print();
    if (c.opt.shapeTwoSided) {
        c.pri.Print({kMrLabel, moment(c.m.Mr), kMomentUnit});
        c.pri.Print({kMoZero});
    }
    printResultantLines(c);
    printPressures(c);
    printVerdict(c);
    c.pri.Print();
    c.pri.Print();
}

}  // namespace pelzaro::kentou
