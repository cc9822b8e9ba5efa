#pragma once
// The self-weight block of the load-calculation page: the ruled table, its area templates,
// the centroid lines and the surcharge loads beneath it.

#include "report/report_context.h"
#include "stability/calc/soil_surfaces.h"

namespace pelzaro {

// The set-backs of the soil surfaces on the battered faces and the widths of the free soil
// surfaces, as the calculation takes them; a wall without height above the slab has none (a
// report error).
SoilSetBacks reportedSoilSetBacks(const Module1& m);
SurchargeWidths reportedSoilWidths(const Module1& m);

// How part k's area is made up from the wall's dimensions, printed at the row's baseline
// (one or two lines).
void printAreaTemplate(Surface& pri, const Module1& m, int k, double baseline);

// The surcharge loads with their heading, from the current position.
void printSurchargeLoads(Surface& pri, const Module1& m);

}  // namespace pelzaro
