#pragma once
// Where the free soil surfaces meet the battered wall faces, and so how wide each surface is
// that a surcharge loads. The stability calculation takes its surcharge loads from these
// widths, and the report prints the same widths beside those loads.

#include "state/stability_vars.h"

namespace pelzaro {

// Horizontal set-backs of the battered faces at the soil surfaces, each batter spread over
// its own wall's height above the slab top (metres).
struct SoilSetBacks {
    double centreFront = 0, centreRear = 0;  // inner faces at the centre-soil surface
    double groundFront = 0, groundRear = 0;  // outer faces at the front and back ground
};

// The heights of the front and rear wall above the slab top, H_Zenmen + H1 and H_Haimen + H4.
double frontWallHeightAboveSlab(const StabilityVars& w);
double rearWallHeightAboveSlab(const StabilityVars& w);

// Both wall heights above the slab must be non-zero.
SoilSetBacks soilSetBacks(const StabilityVars& w);

// Widths of the free surfaces that the back, centre and front surcharges load (metres).
struct SurchargeWidths {
    double back = 0, centre = 0, front = 0;
};
SurchargeWidths surchargeWidths(const StabilityVars& w, const SoilSetBacks& s);

}  // namespace pelzaro
