#pragma once
// The design forces of one member part, computed from the design state and the options of the
// pages and stored in the design state with the intermediate values the report prints.

#include "members/calc/wall_forces.h"

namespace pelzaro {

class App;

// Part 'A' .. 'H'. On a refusal nothing of the part is stored: its forces stay 0 so that no
// result of an earlier wall survives.
members::ForceRefusal computePartForces(App& app, char letter);

}  // namespace pelzaro
