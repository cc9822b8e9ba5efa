#pragma once
// Design forces of the rear wall (the wall loaded by the back soil) per metre of wall:
// part A at mid-height, part B at the top of the base slab. The earth pressure acts on the
// back face leaning by Theta_Danmen with the member friction angle; in the seismic case with
// wall inertia the weight of the wall above the section acts at its centroid, and with the
// surcharge inertia also the back soil above the section and the surcharge.
// Intermediate values in kN/m, m, m2 and kN·m/m; M in N·cm/m (x 10^5), S in N/m (x 10^3).

#include "members/calc/member_part.h"

namespace pelzaro::members {

struct WallInput {
    float H_Haimen = 0, H4 = 0, T1_Usiro = 0, N_Usiro_In = 0, N_Usiro_Out = 0, B_Haimen = 0;
    float D_Teiban = 0, Q_Haimen = 0;
    float A7 = 0, Y7 = 0;  // back soil over the heel and the outer batter: area, centroid height
    float Gamma_S = 0, Gamma_C = 0, Kh = 0;
    float KA_Danmen = 0, Delta_Danmen = 0, Theta_Danmen = 0;  // angles in degrees
    float Hq_Danmen = 0;   // height of the surcharge inertia above the base underside, m
    bool seismic = false;  // the seismic case: the wall weight is computed whatever the method
    WallLoading loading = WallLoading::EarthPressure;
    bool surchargeReducedBy5 = false;
};

// Areas of the three pieces of the wall above the section (rectangle, inner and outer batter
// triangle) and their centroid heights above the section.
struct WallPieces {
    float A1_1 = 0, A1_2 = 0, A1_3 = 0, y1_1 = 0, y1_2 = 0, y1_3 = 0;
};

struct WallForcesA {
    float PAX_A = 0, DeltaPAX_A = 0;
    // Seismic case only (0 otherwise).
    float W_A = 0, y_A = 0, A_Haimen_A = 0, A_Haimen1_A = 0, A_Haimen2_A = 0;
    float y_Haimen1_A = 0, y_Haimen2_A = 0, y_Haimen_A = 0, y2_A = 0;
    WallPieces pieces;
    float M_A = 0, S_A = 0;
};

struct WallForcesB {
    float PAX_B = 0, DeltaPAX_B = 0;
    float W_B = 0, y_B = 0, y2_B = 0;  // seismic case only (0 otherwise)
    WallPieces pieces;
    float M_B = 0, S_B = 0;
};

enum class ForceRefusal {
    None,
    NoWallSection,         // the wall above the section has no area: no centroid for its inertia
    NoWallHeight,          // a wall without height above the base slab
    ContactOutsideMethod,  // the ground reaction ends inside the clear span, the toe or the heel
    NoBase,                // a base or ground reaction that the member design cannot read
    NotFinite,
};

template <class T>
struct ForceOutcome {
    ForceRefusal refusal = ForceRefusal::None;
    T value;
    bool ok() const { return refusal == ForceRefusal::None; }
};

ForceOutcome<WallForcesA> wallForcesA(const WallInput& in);

// Terms of the formulas that the forces are built from, for readers that print them:
// cos(delta + theta) of the horizontal component (degrees converted with 3.14159), and the
// arm of the surcharge inertia at section A (Hq scaled by the soil depth above the section,
// 0 for a section at or above the back ground) and at section B (Hq less the slab thickness).
double earthPressureCosine(const WallInput& in);
double surchargeInertiaArmA(const WallInput& in);
double surchargeInertiaArmB(const WallInput& in);
ForceOutcome<WallForcesB> wallForcesB(const WallInput& in);

}  // namespace pelzaro::members
