// "３）滑り出しに対する検討": the horizontal force, the resistance to sliding on the loaded width
// and the safety factor without a key, with its verdict. A failing factor of the normal case
// without a key ends the section.

#include <cmath>
#include <optional>

#include "report/form4_kentou_parts.h"
#include "report/form4_kentou_texts.h"
#include "report/surface.h"
#include "stability/calc/key_terms.h"
#include "state/module1.h"

namespace pelzaro::kentou {

namespace {

std::string friction(const Module1& m) {
    return Num(m.Mu, "0.0##");
}

// Cohesion on the base width: the whole base, or under uplift the base times its contact
// factor k = |Xn| / B, which is the width the calculation gave the cohesion.
void printBaseWidthGroup(ReportContext& c) {
    const Module1& m = c.m;
    c.pri.Print({kSumHLine, n3(m.SumH), kForceUnit});
    if (fullyLoaded(m)) {
        c.pri.Print({kRHFull, cohesionText(m), kTimes, n3(m.B), kPlus, n3(m.SumV), kTimes,
                     friction(m), kEquals, n3(m.RH), kForceUnit});
        return;
    }
    const double k = contactFactor(m.e, m.B, m.Xn);
    c.pri.Print({kRHFull, cohesionText(m), kTimesOpen, n3(m.B), kTimes, n3(k), kClosePlus,
                 n3(m.SumV), kTimes, friction(m), kEquals, n3(m.RH), kForceUnit});
}

void printEffectiveWidthGroup(ReportContext& c) {
    const Module1& m = c.m;
    c.pri.Print(
        {kAeffLine, n3(m.B), kMinusTwice, n3(std::fabs(m.e)), kEquals, n3(m.A_eff), kAreaUnit});
    c.pri.Print({kSumHLine, n3(m.SumH), kForceUnit});
    c.pri.Print({kRHEffective, cohesionText(m), kTimes, n3(m.A_eff), kPlus, n3(m.SumV), kTimes,
                 friction(m), kEquals, n3(m.RH), kForceUnit});
}

// The width rule as the calculation applies it: the base width first, also without cohesion.
void printResistance(ReportContext& c) {
    const PageChoices& o = c.opt;
    if (o.keyNone || (o.keyPresent && o.std_T)) {
        const LoadedWidth width = loadedWidthOf(o);
        if (width == LoadedWidth::Width_Full || c.m.C == 0.0f) {
            printBaseWidthGroup(c);
        } else if (width == LoadedWidth::Width_Reduced) {
            printEffectiveWidthGroup(c);
        }
    } else if (o.keyPresent && o.std_D) {
        c.pri.Print({kSumHCompact, n3(c.m.SumH), kForceUnit});
    }
}

// False when the line failed.
bool printFactor(ReportContext& c, FactorLimit limit, const char* passEnd) {
    const Module1& m = c.m;
    const bool pass = factorPasses(m.F_Katsudou, limit);
    ReportLine line{kFKatsudou, n3(m.RH), kSlash, n3(m.SumH), kEquals, n3(m.F_Katsudou)};
    verdictBlock(c.pri, {line}, pass, passEnd, factorTexts(limit).fail);
    return pass;
}

// Without a key the factor of the case is judged; with a key under the residential-land
// standard it needs 1.0 and leads to the key. False: the section ends here.
bool printSafetyFactor(ReportContext& c) {
    const PageChoices& o = c.opt;
    const std::optional<FactorLimit> limit = slidingLimit(o);
    if (!limit) return true;
    if (o.keyNone) {
        const bool pass = printFactor(c, *limit, factorTexts(*limit).pass);
        return pass || !o.case_N;
    }
    if (o.std_T && o.keyPresent) printFactor(c, kSlidingLimitBeforeKey, kPassToKey);
    return true;
}

}  // namespace

bool printSliding(ReportContext& c) {
    c.pri.Print({kSlidingTitle});
    c.pri.Print();
    if (c.opt.shapeTwoSided) {
        c.pri.Print({kNoSliding});
        return true;
    }
    if (!c.opt.shapeOneSided) return true;
    printResistance(c);
    return printSafetyFactor(c);
}

}  // namespace pelzaro::kentou
