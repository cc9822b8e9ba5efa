// The stability section of the wall chapter (report page 4): the heading, the overturning,
// bearing and sliding checks, the shear key when the wall has one, and the ground-pressure
// diagram. It prints only the results of the current stability run: a refused run prints its
// reason as a failing line instead.

#include <cmath>
#include <utility>

#include "report/form4_kentou_parts.h"
#include "report/form4_kentou_texts.h"
#include "report/report_error.h"
#include "report/sections.h"
#include "report/stability_result.h"
#include "report/surface.h"
#include "stability/calc/ground_pressure.h"
#include "state/module1.h"

namespace pelzaro {

namespace kentou {

std::string moment(float v) {
    return n3(Marume(v, 3));
}

std::string cohesionText(const Module1& m) {
    return Num(m.C, "0.0#");
}

namespace {
void requireRatio(const Module1& m) {
    quotient(std::fabs(m.e), m.B, "|e| / B");
}
}  // namespace

bool fullyLoaded(const Module1& m) {
    requireRatio(m);
    return withinMiddleThird(m.e, m.B);
}

bool sketchedTrapezoid(const Module1& m) {
    requireRatio(m);
    return sketchedAsTrapezoid(m.e, m.B);
}

FactorTexts factorTexts(FactorLimit limit) {
    switch (limit) {
        case FactorLimit::F15:
            return {kPass15, kFail15};
        case FactorLimit::F10:
            return {kPass10, kFail10};
        case FactorLimit::F12:
            break;
    }
    return {kPass12, kFail12};
}

void verdictBlock(Surface& pri, std::vector<ReportLine> lines, bool pass, const char* passEnd,
                  const char* failEnd) {
    lines.back().push_back(pass ? passEnd : failEnd);
    if (!pass) {
        Pri_NG(pri, lines);
        return;
    }
    for (const ReportLine& line : lines) pri.Print(line);
}

void factorBlock(Surface& pri, std::vector<ReportLine> lines, float factor, FactorLimit limit) {
    const FactorTexts texts = factorTexts(limit);
    verdictBlock(pri, std::move(lines), factorPasses(factor, limit), texts.pass, texts.fail);
}

namespace {

void printHeading(ReportContext& c) {
    blankLines(c.pri, c.layout.Loop_i, 5);
    c.pri.FontSize(11);
    Midashi_Case(c.pri, c.opt, c.m.Kh, {kIndent12, c.m.Syou_No, kHeading});
    c.pri.Print();
}

}  // namespace

}  // namespace kentou

void Form4_KENTOU(ReportContext& c) {
    using namespace kentou;
    printHeading(c);
    if (!hasStabilityResult(c.m)) {
        printStabilityRefusal(c);
        return;
    }
    printOverturning(c);
    printBearing(c);
    if (!printSliding(c)) return;
    if (c.opt.shapeOneSided && !c.opt.shapeTwoSided) printShearKey(c);
    drawDiagram(c);
}

}  // namespace pelzaro
