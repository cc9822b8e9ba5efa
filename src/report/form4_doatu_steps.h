#pragma once
// The steps of the earth-pressure section of report page 3, one file each: the seismic lines,
// the Coulomb layout, the seismic (Mononobe-Okabe) layout and the forces with their points of
// action, plus the two drawing helpers they share. Internal to the section.

#include <initializer_list>
#include <string>

#include "report/report_context.h"

namespace pelzaro {

// One straight stroke of a formula figure: a fraction bar, a radical, a bracket, in twips,
// its y measured from the section's offset.
struct Stroke {
    int x1, y1, x2, y2;
};

// The items printed at (x, y) as one line.
void printAt(Surface& pri, double x, double y, std::initializer_list<std::string> items);
// Each stroke in order, its y moved down by ofsY; the position ends at the last end point.
void drawStrokes(Surface& pri, std::initializer_list<Stroke> strokes, int ofsY);
// An angle as the formulas print it: degrees with two decimals.
std::string degrees(float angle);

// Twips that the coefficient layouts move down to keep clear of the wall-friction derivation.
int doatuOffset(int Flg_DeltaCalc, const PageChoices& opt);

// The seismic coefficients and the composite seismic angle at 1400 and 1700.
void doatuSeismicLines(ReportContext& c);
// The Coulomb coefficient in its three stages.
void doatuCoulomb(ReportContext& c);
// The seismic coefficient in its three stages; ends at size 9.
void doatuMononobeOkabe(ReportContext& c);
// The earth-pressure forces and their points of action, flowing from the current position.
void doatuForces(ReportContext& c);

}  // namespace pelzaro
