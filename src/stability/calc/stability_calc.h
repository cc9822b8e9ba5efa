#pragma once
// The stability calculation of a U-shaped wall: geometry, self-weight, surcharges, earth
// pressure, overturning, ground pressure, sliding and the shear key, per metre of wall.

#include "stability/calc/stability_input.h"
#include "stability/calc/stability_outcome.h"
#include "state/stability_vars.h"

namespace pelzaro {

struct Module1;

// The part of the design state one run writes: the stability block, the three surcharges of
// the design conditions and the maximum ground pressure (the marker of a finished run).
struct StabilityWork : StabilityVars {
    float Q_Haimen = 0.0f, Q_Tyuuou = 0.0f, Q_Zenmen = 0.0f;
    float Sigma_max = 0.0f;
};

// The shares of an earth pressure inclined by the wall friction angle delta (degrees) that act
// horizontally (cos delta) and vertically (sin delta), in double precision.
struct WallFrictionShares {
    double cosDelta;
    double sinDelta;
};
WallFrictionShares wallFrictionShares(float Delta);

// One run on `work`, which holds the previous run's values: a value that a condition skips
// keeps them. On a refusal `work` is left part-way and must not be used.
StabilityOutcome runStability(const StabilityInput& in, StabilityWork& work);

// The run on the design state. On success every value is stored; on a refusal nothing of the
// run is stored and Sigma_max becomes 0, so that no result counts as valid.
StabilityOutcome calculateStability(const StabilityInput& in, Module1& m);

}  // namespace pelzaro
