#pragma once
// Walls of the stability tests. The first is worked out by hand in one_sided_example_test.cpp:
// a U-shaped wall with toe and heel, haunched slab ends and battered faces on both walls.

#include <gtest/gtest.h>

#include <cmath>

#include "stability/calc/stability_calc.h"

namespace pelzaro {

// Front wall 0.5 m above the front ground, front ground 1.0 m, back ground 2.5 m, rear wall
// 0.3 m above the back ground; front wall 0.2 m at the top with 0.1 m batters on both faces
// (0.4 m at the foot); rear wall 0.25 m with a 0.05 m inner and 0.1 m outer batter (0.4 m);
// toe 0.6 m, clear width 2.0 m, heel 0.8 m; slab 0.4 m, slab ends 0.3 m; centre soil 0.6 m;
// surcharges 10 (back), 5 (centre), 3 (front) kN/m2. KA 0.3, soil 18, concrete 24 kN/m3,
// wall friction 20 degrees, base friction 0.6, no cohesion, phiB 30 degrees. Normal case,
// one-sided, vertical components counted, front soil included, no key.
inline StabilityInput exampleWall() {
    StabilityInput in;
    WallDimensions& w = in.wall;
    w.Syou_No = "3.1";
    w.Kigou = "Ａ";
    w.H1 = 0.5f, w.H2 = 1.0f, w.H3 = 2.5f, w.H4 = 0.3f;
    w.T1_Mae = 0.2f, w.N_Mae_In = 0.1f, w.T1_Usiro = 0.25f, w.N_Usiro_In = 0.05f;
    w.B_Tumasaki = 0.6f, w.T2_Mae = 0.4f, w.B_Tyuuou = 2.0f, w.T2_Usiro = 0.4f;
    w.B_Kakato = 0.8f;
    w.D_Teiban = 0.4f, w.D_Tumasaki = 0.3f, w.D_Kakato = 0.3f, w.H_Tyuuou = 0.6f;
    w.Q_Haimen = 10.0f, w.Q_Tyuuou = 5.0f, w.Q_Zenmen = 3.0f;
    in.cond.KA = 0.3f;
    in.cond.Gamma_S = 18.0f;
    in.cond.Gamma_C = 24.0f;
    in.cond.Delta = 20.0f;
    in.cond.Mu = 0.6f;
    in.cond.Phi_B = 30.0f;
    in.shape = GroundShape::Shape_OneSided;
    in.standard = DesignStandard::Std_T;
    in.calcCase = CalcCase::Case_N;
    in.pv = PvInMoment::Pv_Counted;
    in.frontSoil = FrontSoil::FrontSoil_In;
    in.key = ShearKey::Key_None;
    return in;
}

// The resultant in front of the middle, base all in contact (e = +0.032 m on B = 3.8 m).
inline StabilityInput frontTrapezoidWall() {
    StabilityInput in = exampleWall();
    in.pv = PvInMoment::Pv_NotCounted;
    in.wall.H3 = 3.0f, in.wall.B_Kakato = 0.4f, in.wall.H_Tyuuou = 0.4f;
    in.wall.Q_Haimen = 20.0f;
    in.cond.KA = 0.4f;
    return in;
}

// The resultant far in front of the middle, the heel end lifting (e = +0.785 m on B = 3.4 m):
// no heel, a heavy earth pressure.
inline StabilityInput frontUpliftWall() {
    StabilityInput in = exampleWall();
    in.pv = PvInMoment::Pv_NotCounted;
    in.wall.H3 = 3.0f, in.wall.B_Kakato = 0.0f, in.wall.D_Kakato = 0.0f;
    in.wall.H_Tyuuou = 0.2f, in.wall.Q_Haimen = 30.0f;
    in.cond.KA = 0.5f;
    return in;
}

// The resultant far behind the middle, the toe end lifting (e = -1.558 m on B = 6.8 m): a
// long thin toe without front soil, a light earth pressure.
inline StabilityInput rearUpliftWall() {
    StabilityInput in = exampleWall();
    in.pv = PvInMoment::Pv_NotCounted;
    in.frontSoil = FrontSoil::FrontSoil_Out;
    in.wall.B_Tumasaki = 3.0f, in.wall.D_Tumasaki = 0.2f, in.wall.Q_Zenmen = 0.0f;
    in.wall.B_Kakato = 1.0f, in.wall.H3 = 4.0f, in.wall.H_Tyuuou = 0.3f;
    in.wall.Q_Haimen = 0.0f;
    in.cond.KA = 0.05f;
    return in;
}

// Single-precision results against values worked out in double: a relative tolerance of a few
// float roundings.
inline void expectClose(double actual, double expected, const char* name) {
    EXPECT_NEAR(actual, expected, 1e-5 * std::fabs(expected) + 1e-6) << name;
}

}  // namespace pelzaro
