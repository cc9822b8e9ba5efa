#pragma once
// What the wall pages read of the other pages: the calculation case, the design standard,
// the source of the earth-pressure coefficient and the seismic method of the design
// conditions, and the ground shape. The choices are read from the option buttons by their
// names, as every reader of those pages does.

#include "conditions/design_rules.h"

namespace pelzaro {

class App;

bool caseNormal(App& app);              // Form3.opt3
bool caseSeismic(App& app);             // Form3.opt4
bool standardResidential(App& app);     // Form3.opt_T
bool standardRoad(App& app);            // Form3.opt_D
bool kaGiven(App& app);                 // Form3.opt1: the coefficient was typed
bool kaComputed(App& app);              // Form3.opt2: the coefficient was computed
SeismicMethod seismicMethod(App& app);  // Form25.opt_K1 / opt_K2 / opt_D1
bool shapeOneSided(App& app);           // Form23.opt1
bool shapeTwoSided(App& app);           // Form23.opt2

}  // namespace pelzaro
