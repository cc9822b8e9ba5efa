#pragma once
// The stretches of the stability section (Form4_KENTOU), one file each, and the small rules
// they share. Internal to the section.

#include <string>
#include <vector>

#include "report/conventions.h"
#include "report/report_context.h"
#include "stability/calc/verdicts.h"

namespace pelzaro::kentou {

// A moment, rounded half up to three decimals before its pattern.
std::string moment(float v);
// The cohesion C as the section prints it, "0.0#".
std::string cohesionText(const Module1& m);

// Both rules read |e|/B, so each is a ReportError when B is 0, since no ratio exists then.
// The base carries pressure over its whole width: the calculation's own predicate, so that the
// printed formula is the one whose value was stored.
bool fullyLoaded(const Module1& m);
// The sketch shows the trapezoid rather than the triangle: the key dialogs' own rule.
bool sketchedTrapezoid(const Module1& m);

// The verdict texts of a safety factor: " > 1.5  ∴ O.K" / " < 1.5" and their kin.
struct FactorTexts {
    const char* pass;
    const char* fail;
};
FactorTexts factorTexts(FactorLimit limit);

// Prints a block whose last line ends with a verdict: in colour 0 when it passes, otherwise as
// one failing block (colour 13, the lines, one beep, colour 0).
void verdictBlock(Surface& pri, std::vector<ReportLine> lines, bool pass, const char* passEnd,
                  const char* failEnd);
// The same for a safety factor judged against its limit, with the limit's own texts.
void factorBlock(Surface& pri, std::vector<ReportLine> lines, float factor, FactorLimit limit);

// The stretches, in the order the section prints them.
void printOverturning(ReportContext& c);
void printBearing(ReportContext& c);
// False when a failing normal-case factor without a key ends the section there.
bool printSliding(ReportContext& c);
void printShearKey(ReportContext& c);
void printWedgeMethod(ReportContext& c);
void printShearResistance(ReportContext& c);
void drawDiagram(ReportContext& c);

}  // namespace pelzaro::kentou
