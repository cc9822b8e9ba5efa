// "１）転倒に対する検討": the resisting and overturning moments and the lines of the criteria
// that the check-method dialog of the case chooses, each with its verdict.

#include "report/form4_kentou_parts.h"
#include "report/form4_kentou_texts.h"
#include "report/surface.h"
#include "state/module1.h"

namespace pelzaro::kentou {

namespace {

void printMoments(ReportContext& c) {
    c.pri.Print({kMrLabel, moment(c.m.Mr), kMomentUnit});
    c.pri.Print({kMoLabel, moment(c.m.Mo), kMomentUnit});
}

void printResultant(ReportContext& c) {
    const Module1& m = c.m;
    c.pri.Print({kDLine, moment(m.Mr), kMinus, moment(m.Mo), kCloseOver, n3(m.SumV), kEquals,
                 n3(m.d), kMetre});
}

struct EccentricityLimit {
    int n;
    const char* passEnd;
    const char* failEnd;
    const char* over;
};

// The resultant's position, then its eccentricity (signed) judged by its size against B/n.
void printEccentricity(ReportContext& c, const EccentricityLimit& limit) {
    const Module1& m = c.m;
    printResultant(c);
    const bool pass = eccentricityPasses(m.e, m.B, limit.n);
    const std::string bn = n3(baseFraction(m.B, limit.n));
    ReportLine line{kELine,
                    n3(m.B),
                    kHalfMinus,
                    n3(m.d),
                    kEquals,
                    n3(m.e),
                    pass ? limit.passEnd : limit.failEnd,
                    n3(m.B),
                    limit.over,
                    bn};
    verdictBlock(c.pri, {line}, pass, kOK, kMetre);
}

void printFactor(ReportContext& c, FactorLimit limit) {
    const Module1& m = c.m;
    ReportLine line{kFLine, moment(m.Mr), kSlash, moment(m.Mo), kEquals, n3(m.F_Tentou)};
    factorBlock(c.pri, {line}, m.F_Tentou, limit);
}

// d >= B/3 in two lines; a failure colours both.
void printResultantCheck(ReportContext& c) {
    const Module1& m = c.m;
    const bool pass = resultantPasses(m.d, m.B);
    const std::string b3 = n3(baseFraction(m.B, 3));
    // The d check passes above B/3: its texts are those of the e line with the sign reversed.
    ReportLine second{kDCheckSecond, moment(m.Mr), kMinus,
                      moment(m.Mo),  kCloseOver,   n3(m.SumV),
                      kEquals,       n3(m.d),      pass ? kFailB3 : kPassB3,
                      n3(m.B),       kOver3,       b3};
    verdictBlock(c.pri, {{kDCheckFirst}, second}, pass, kOK, kMetre);
}

const EccentricityLimit kWithinB6{6, kPassB6, kFailB6, kOver6};
const EccentricityLimit kWithinB2{2, kPassB2, kFailB2, kOver2};
const EccentricityLimit kWithinB3{3, kPassB3, kFailB3, kOver3};

void printCriteria(ReportContext& c) {
    const OverturningChecks k = overturningChecks(c.opt);
    if (c.opt.case_N) {
        if (k.eB6) printEccentricity(c, kWithinB6);
        if (k.F15) printFactor(c, FactorLimit::F15);
        if (k.dB3) printResultantCheck(c);
    }
    if (c.opt.case_S) {
        if (k.eB2) printEccentricity(c, kWithinB2);
        if (k.eB3) printEccentricity(c, kWithinB3);
        if (k.F10) printFactor(c, FactorLimit::F10);
        if (k.F12) printFactor(c, FactorLimit::F12);
    }
}

}  // namespace

void printOverturning(ReportContext& c) {
    c.pri.Print({kOverturningTitle});
    c.pri.Print();
    if (c.opt.shapeTwoSided) {
        c.pri.Print({kNoOverturning});
    } else if (c.opt.shapeOneSided) {
        printMoments(c);
        printCriteria(c);
    }
    c.pri.Print();
    c.pri.Print();
}

}  // namespace pelzaro::kentou
