#pragma once
// Module1: the one design state of the program. Copies of the inputs, derived allowable
// stresses, coefficients, geometry, weights, forces, safety factors, ground pressures and the
// markers. It lives as long as the App and is never reset as a whole. Values are single
// precision unless a comment says otherwise; each subsystem declares its own share.

#include <string>

#include "state/conditions_vars.h"
#include "state/member_vars.h"
#include "state/stability_vars.h"

namespace pelzaro {

enum PageMarker { Page_None = 0, Page_Conditions = 1, Page_Dimensions = 2, Page_Section = 3 };

struct Markers {
    int Flg_Page = Page_None;  // the page created or activated last
    // Non-zero: the stability calculation has run since the last invalidation, New or Close.
    float Sigma_max = 0.0f;    // maximum ground pressure, kN/m2
    int Flg_Ouryoku = 0;       // 1: the stress check has run
    int Flg_DeltaCalc = 0;     // 1: the stability wall friction angle was computed, 0 typed
};

struct Module1 : Markers, ConditionsVars, StabilityVars, MemberVars {};

}  // namespace pelzaro
