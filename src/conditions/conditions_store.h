#pragma once
// The results of the design-conditions calculations written into the design state, and the
// allowable stresses read back from it, field by field.

#include "conditions/allowable_stress.h"
#include "conditions/earth_pressure.h"
#include "state/conditions_vars.h"

namespace pelzaro {

AllowableStresses allowableOf(const ConditionsVars& v);
void storeAllowable(const AllowableStresses& a, ConditionsVars& v);
// The terms of the earth-pressure coefficient and KA itself.
void storeTerms(const EarthPressureTerms& t, ConditionsVars& v);
// The wall friction angle on the virtual back face and its auxiliary angle.
void storeWallFriction(const WallFrictionTerms& w, ConditionsVars& v);

}  // namespace pelzaro
