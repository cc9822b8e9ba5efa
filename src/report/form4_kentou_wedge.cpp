// "・突起の計算" and the bearing-wedge method of the residential-land standard: the passive
// wedge in front of the key, the ground reactions at its ends, the passive pressure, the
// vertical reaction W1 outside the wedge and the safety factor with the key. The results are
// the stored ones; the unstored factors (tan, lengths, contact factor) come from the
// calculation's own functions.

#include <optional>
#include <utility>

#include "report/form4_kentou_parts.h"
#include "report/form4_kentou_texts.h"
#include "report/surface.h"
#include "stability/calc/key_terms.h"
#include "state/module1.h"

namespace pelzaro::kentou {

namespace {

std::string angle(const Module1& m) {
    return Num(m.Phi_B, "0.00");
}

void printWedge(ReportContext& c) {
    const Module1& m = c.m;
    const double t = passiveSlope(m.Phi_B);
    c.pri.Print({kH0Line, n3(m.H0), kMetre});
    c.pri.Print({kLLine, n3(m.H0), kTanOpen, angle(m), kHalfDegClose, n3(m.H0), kTimes, n3(t),
                 kEquals, n3(m.L_Tokki), kMetre});
    if (fullyLoaded(m)) c.pri.Print({kSigmaMinLine, n3(m.Sigma_min), kPressureUnit});
    c.pri.Print({kSigma1Line, n3(m.Sigma_1), kSigma2Mid, n3(m.Sigma_2), kPressureUnit});
    c.pri.Print({kSigma0Line, n3(m.Sigma_1), kPlus, n3(m.Sigma_2), kHalfEquals, n3(m.Sigma_0),
                 kPressureUnit});
    c.pri.Print({kPSymbols});
    c.pri.Print({kPNumbers, n3(m.Sigma_0), kTan2Open, angle(m), kHalfDegClose, n3(m.Sigma_0),
                 kTimes, n3(t * t), kEquals, n3(m.P_Tokki), kPressureUnit});
}

// W1 in the form the calculation used, with the lengths of base in contact. A force per metre.
void printW1(ReportContext& c) {
    const Module1& m = c.m;
    const KeyLengths len = wedgeLengths(m.e, m.B, m.B1, m.L_Tokki, m.Xn);
    const std::string l1 = n3(len.L1), l2 = n3(len.L2), w1 = n3(m.W1_Tokki);
    const std::string smax = n3(m.Sigma_max), smin = n3(m.Sigma_min);
    const std::string s1 = n3(m.Sigma_1), s2 = n3(m.Sigma_2);
    const bool front = m.e >= 0.0f;
    if (fullyLoaded(m)) {
        c.pri.Print({front ? kW1Variant1 : kW1Variant2});
        c.pri.Print({kW1Numbers, front ? smax : smin, kPlus, s1, kHalfTimes, l1, kPlusBrace, s2,
                     kPlus, front ? smin : smax, kHalfTimes, l2, kEquals, w1, kForceUnit});
    } else if (front) {
        c.pri.Print({kW1Variant3});
        c.pri.Print({kW1Numbers, smax, kPlus, s1, kHalfTimes, l1, kPlusParen, s2, kSlashHalfTimes,
                     l2, kEquals, w1, kForceUnit});
    } else {
        c.pri.Print({kW1Variant4});
        c.pri.Print({kW1Numbers4, s1, kSlashHalfTimes, l1, kPlusBrace, s2, kPlus, smax, kHalfTimes,
                     l2, kEquals, w1, kForceUnit});
    }
}

// The friction and passive terms that close a numbers line: W1 x mu + P x H0, over SumH.
void appendResistance(ReportLine& line, const Module1& m, const char* muPattern) {
    line.insert(line.end(), {kPlus, n3(m.W1_Tokki), kTimes, Num(m.Mu, muPattern), kPlus,
                             n3(m.P_Tokki), kTimes, n3(m.H0), kCloseOver, n3(m.SumH)});
}

// The three lines of a factor group: formula, numbers, result with its verdict; a failure
// colours all three and beeps once.
void printGroup(ReportContext& c, FactorLimit limit, const char* formula, ReportLine numbers) {
    const Module1& m = c.m;
    factorBlock(c.pri, {{formula}, std::move(numbers), {kFTokkiResult, n3(m.F_Tokki)}}, m.F_Tokki,
                limit);
}

// Cohesion on the base width; under uplift on the base times its contact factor, the width the
// calculation gave the cohesion.
void printBaseWidthFactor(ReportContext& c, FactorLimit limit) {
    const Module1& m = c.m;
    ReportLine numbers{kFTokkiNumbers, cohesionText(m), kTimes, n3(m.B)};
    if (!fullyLoaded(m)) {
        numbers.insert(numbers.end(), {kTimes, n3(contactFactor(m.e, m.B, m.Xn))});
    }
    appendResistance(numbers, m, "0.000");
    printGroup(c, limit, kFTokkiB, numbers);
}

void printEffectiveWidthFactor(ReportContext& c, FactorLimit limit) {
    const Module1& m = c.m;
    ReportLine numbers{kFTokkiNumbers, cohesionText(m), kTimes, n3(m.A_eff)};
    appendResistance(numbers, m, "0.0##");
    printGroup(c, limit, kFTokkiA, numbers);
}

// The groups of the width rule the calculation applied. Without cohesion both widths give the
// same factor, and the effective-width group follows the base-width one where it is chosen.
void printFactors(ReportContext& c) {
    const std::optional<FactorLimit> limit = slidingLimit(c.opt);
    if (!limit) return;
    const LoadedWidth width = loadedWidthOf(c.opt);
    const bool noCohesion = c.m.C == 0.0f;
    if (width == LoadedWidth::Width_Full || noCohesion) printBaseWidthFactor(c, *limit);
    const bool effectiveChosen = c.opt.n_effectiveWidth || c.opt.s_effectiveWidth;
    if (effectiveChosen && (width == LoadedWidth::Width_Reduced || noCohesion)) {
        printEffectiveWidthFactor(c, *limit);
    }
}

}  // namespace

void printShearKey(ReportContext& c) {
    if (!c.opt.keyPresent) return;
    c.pri.Print();
    c.pri.Print({kKeyTitle});
    if (c.opt.std_T) {
        printWedgeMethod(c);
    } else if (c.opt.std_D) {
        printShearResistance(c);
    }
}

void printWedgeMethod(ReportContext& c) {
    printWedge(c);
    printW1(c);
    printFactors(c);
}

}  // namespace pelzaro::kentou
