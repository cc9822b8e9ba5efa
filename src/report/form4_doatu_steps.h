#pragma once
// The steps of the earth-pressure section of report page 3, one file each: the seismic lines,
// the Coulomb layout, the seismic (Mononobe-Okabe) layout and the forces with their points of
// action, plus the two drawing helpers they share. Internal to the section.

#include <initializer_list>
#include <string>

#include "report/report_context.h"

namespace pelzaro {


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
