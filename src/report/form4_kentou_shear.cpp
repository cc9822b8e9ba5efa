// The shear-resistance method of the road guideline: the resistance Hk along the base in front
// of the key (L1) and behind it (L2), with the cohesion over L1 when the ground has any, then
// the safety factor with the key. Hk and F are the stored results; tan(phiB) and the lengths of
// base in contact come from the calculation's own functions, so the printed terms give Hk.

#include <optional>
#include <string>

#include "report/form4_kentou_parts.h"
#include "report/form4_kentou_texts.h"
#include "report/surface.h"
#include "stability/calc/key_terms.h"
#include "state/module1.h"

namespace pelzaro::kentou {

namespace {

// The formula line. With the maximum at the back (e < 0) the reaction behind the key rises from
// q3 to q1 at the back end, lifted base or not, so both share one formula.
std::string formula(const Module1& m, bool loaded, bool cohesion) {
    std::string f;
    if (m.e < 0.0f) {
        f = kHkBack;
    } else {
        f = loaded ? kHkFront : kHkFrontLiftedNoC;
    }
    if (cohesion) f += kCohesionTerm;
    return f;
}

void printTerms(ReportContext& c) {
    const Module1& m = c.m;
    const bool loaded = fullyLoaded(m), cohesion = m.C != 0.0f, front = m.e >= 0.0f;
    const KeyLengths len = shearLengths(m.e, m.B, m.B1, m.Xn);
    const std::string t = n3(shearFactor(m.Phi_B)), l1 = n3(len.L1), l2 = n3(len.L2);
    const std::string s2 = n3(m.Sigma_2);
    c.pri.Print({formula(m, loaded, cohesion)});
    c.pri.Print(
        {kHkNumbers1, n3(front ? m.Sigma_max : m.Sigma_min), kPlus, s2, kHalfTimes, l1, kTimes, t});
    if (front && !loaded) {
        c.pri.Print({kHkNumbers2Lifted, s2, kSlashHalfTimes, l2, kTimes, t});
    } else {
        c.pri.Print({kHkNumbers2, n3(front ? m.Sigma_min : m.Sigma_max), kPlus, s2, kHalfTimes, l2,
                     kTimes, t});
    }
    const std::string hk = n3(m.Hk);
    if (cohesion) {
        c.pri.Print({kHkCohesion, cohesionText(m), kTimes, l1, kEquals, hk, kForceUnit});
    } else {
        c.pri.Print({kHkResult, hk, kForceUnit});
    }
}

void printFactor(ReportContext& c) {
    const Module1& m = c.m;
    const std::optional<FactorLimit> limit = slidingLimit(c.opt);
    if (!limit) return;
    ReportLine line{kFHkLine, n3(m.Hk), kSlash, n3(m.SumH), kEquals, n3(m.F_Tokki)};
    factorBlock(c.pri, {line}, m.F_Tokki, *limit);
}

}  // namespace

void printShearResistance(ReportContext& c) {
    printTerms(c);
    c.pri.Print();
    printFactor(c);
}

}  // namespace pelzaro::kentou
