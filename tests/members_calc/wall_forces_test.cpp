#include "members/calc/wall_forces.h"

#include <gtest/gtest.h>

#include "close_to.h"

namespace pelzaro::members {
namespace {

// Rear wall 0.3 m at the top with batters of 0.1 m on both faces, 2.5 m of back soil and
// 0.5 m of wall above it, heel 1.0 m (B_Haimen 1.1), slab 0.5 m, back surcharge 10 kN/m2,
// KA 0.3, δ 15°, θ 2°, Kh 0.2, surcharge inertia at 3.0 m; back soil over the heel 2.6 m2 at
// 1.8 m.
WallInput wall(WallLoading loading, bool seismic) {
    WallInput in;
    in.H_Haimen = 2.5f;
    in.H4 = 0.5f;
    in.T1_Usiro = 0.3f;
    in.N_Usiro_In = 0.1f;
    in.N_Usiro_Out = 0.1f;
    in.B_Haimen = 1.1f;
    in.D_Teiban = 0.5f;
    in.Q_Haimen = 10.0f;
    in.A7 = 2.6f;
    in.Y7 = 1.8f;
    in.Gamma_S = 18.0f;
    in.Gamma_C = 24.5f;
    in.Kh = 0.2f;
    in.KA_Danmen = 0.3f;
    in.Delta_Danmen = 15.0f;
    in.Theta_Danmen = 2.0f;
    in.Hq_Danmen = 3.0f;
    in.seismic = seismic;
    in.loading = loading;
    return in;
}

// Worked by hand: c = cos 17°; PAX = (H/2)² KA γs c / 2; ΔPAX = q KA (H/2) c;
// M0 = (H/2) ΔPAX / 2 + (H/2) PAX / 3. Wall above mid-height: h 1.5, W 12.8625 kN/m at
// 0.714286 m; back soil above it 1.066667 m2 at 0.503876 m, hs 1.0.
TEST(WallForces, PartAInEveryLoadCase) {
    struct Case {
        const char* why;
        WallInput in;
        double M, S;
    };
    const Case cases[] = {
        {"earth pressure only", wall(WallLoading::EarthPressure, false), 392234.40261643915,
         7620.554107976531},
        {"seismic earth pressure alone: the same formulas", wall(WallLoading::EarthPressure, true),
         392234.40261643915, 7620.554107976531},
        {"with the wall's inertia", wall(WallLoading::WithWallInertia, true), 575984.402616439,
         10193.054107976532},
        {"with wall, back-soil and surcharge inertia", wall(WallLoading::WithAllInertia, true),
         969472.7747094624, 16033.054107976532},
    };
    for (const Case& c : cases) {
        const auto out = wallForcesA(c.in);
        ASSERT_TRUE(out.ok()) << c.why;
        EXPECT_CLOSE(out.value.PAX_A, 4.034410998340516) << c.why;
        EXPECT_CLOSE(out.value.DeltaPAX_A, 3.586143109636015) << c.why;
        EXPECT_CLOSE(out.value.M_A, c.M) << c.why;
        EXPECT_CLOSE(out.value.S_A, c.S) << c.why;
    }
    const auto seismic = wallForcesA(wall(WallLoading::WithAllInertia, true)).value;
    EXPECT_CLOSE(seismic.W_A, 12.8625);
    EXPECT_CLOSE(seismic.y_A, 0.7142857142857143);
    EXPECT_CLOSE(seismic.A_Haimen_A, 1.0666666666666669);
    EXPECT_CLOSE(seismic.y2_A, 0.5038759689922482);
}

TEST(WallForces, PartBInEveryLoadCase) {
    struct Case {
        const char* why;
        WallInput in;
        double M, S;
    };
    // Whole wall h 3.0: W 29.4 kN/m at 1.375 m; back soil 2.6 m2 at 1.8 - 0.5 m.
    const Case cases[] = {
        {"earth pressure only", wall(WallLoading::EarthPressure, false), 2241339.443522509,
         23309.93021263409},
        {"with the wall's inertia", wall(WallLoading::WithWallInertia, true), 3049839.4435225097,
         29189.93021263409},
        {"with wall, back-soil and surcharge inertia", wall(WallLoading::WithAllInertia, true),
         4766639.44352251, 40549.93021263409},
    };
    for (const Case& c : cases) {
        const auto out = wallForcesB(c.in);
        ASSERT_TRUE(out.ok()) << c.why;
        EXPECT_CLOSE(out.value.M_B, c.M) << c.why;
        EXPECT_CLOSE(out.value.S_B, c.S) << c.why;
    }
    const auto seismic = wallForcesB(wall(WallLoading::WithAllInertia, true)).value;
    EXPECT_CLOSE(seismic.W_B, 29.4);
    EXPECT_CLOSE(seismic.y_B, 1.375);
    EXPECT_CLOSE(seismic.y2_B, 1.3);
}

TEST(WallForces, ReducedSurchargeNeverPullsOnTheWall) {
    WallInput in = wall(WallLoading::EarthPressure, false);
    in.surchargeReducedBy5 = true;
    in.Q_Haimen = 4.0f;
    EXPECT_EQ(wallForcesA(in).value.DeltaPAX_A, 0.0f);
    EXPECT_EQ(wallForcesB(in).value.DeltaPAX_B, 0.0f);
    in.Q_Haimen = 10.0f;  // 5 kN/m2 remain
    EXPECT_CLOSE(wallForcesB(in).value.DeltaPAX_B, 3.586143109636015);
}

// Mid-height at or above the back ground surface (H4 >= H_Haimen): no back soil above the
// section and no negative surcharge moment; the surcharge inertia still adds to the shear.
TEST(WallForces, SectionAboveTheBackGroundTakesNoBackSoil) {
    WallInput in = wall(WallLoading::WithAllInertia, true);
    in.H4 = 3.0f;
    const auto out = wallForcesA(in);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.value.A_Haimen_A, 0.0f);
    EXPECT_EQ(out.value.A_Haimen1_A, 0.0f);
    EXPECT_EQ(out.value.y2_A, 0.0f);
    EXPECT_CLOSE(out.value.M_A, 1009838.5692831059);
    EXPECT_CLOSE(out.value.S_A, 14336.80410797653);
}

TEST(WallForces, RefusesAWallWithoutSection) {
    WallInput thin = wall(WallLoading::WithWallInertia, true);
    thin.T1_Usiro = thin.N_Usiro_In = thin.N_Usiro_Out = 0.0f;
    EXPECT_EQ(wallForcesA(thin).refusal, ForceRefusal::NoWallSection);
    EXPECT_EQ(wallForcesB(thin).refusal, ForceRefusal::NoWallSection);

    WallInput low = wall(WallLoading::WithAllInertia, true);
    low.H4 = low.H_Haimen = 0.0f;
    EXPECT_EQ(wallForcesA(low).refusal, ForceRefusal::NoWallHeight);

    // The normal case computes no wall weight and needs no section area.
    EXPECT_TRUE(wallForcesA(wall(WallLoading::EarthPressure, false)).ok());
}

}  // namespace
}  // namespace pelzaro::members

namespace pelzaro::members {
namespace {

TEST(WallForces, LoadCaseOfTheWalls) {
    struct Case {
        const char* why;
        CalcCase loadCase;
        SeismicMethod method;
        bool surchargeInertia;
        WallLoading expected;
    };
    const Case cases[] = {
        {"normal case: the inertia box has no effect", CalcCase::Case_N, SeismicMethod::Method_K2,
         true, WallLoading::EarthPressure},
        {"seismic earth pressure alone: the box has no effect", CalcCase::Case_S,
         SeismicMethod::Method_K1, true, WallLoading::EarthPressure},
        {"wall inertia with normal earth pressure", CalcCase::Case_S, SeismicMethod::Method_K2,
         false, WallLoading::WithWallInertia},
        {"wall inertia with seismic earth pressure and the box ticked", CalcCase::Case_S,
         SeismicMethod::Method_D1, true, WallLoading::WithAllInertia},
        {"seismic case without a method", CalcCase::Case_S, SeismicMethod::None, true,
         WallLoading::EarthPressure},
    };
    for (const Case& c : cases) {
        MemberOptions o;
        o.loadCase = c.loadCase;
        o.method = c.method;
        o.surchargeInertia = c.surchargeInertia;
        EXPECT_EQ(wallLoading(o), c.expected) << c.why;
    }
}

TEST(WallForces, VerticalRearFaceHasOneBackSoilPiece) {
    WallInput in = wall(WallLoading::WithAllInertia, true);
    in.N_Usiro_Out = 0.0f;
    in.B_Haimen = 1.0f;  // the heel alone
    const auto out = wallForcesA(in);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.value.A_Haimen2_A, 0.0f);
    EXPECT_CLOSE(out.value.y_Haimen_A, 0.5);  // hs / 2 with hs = 1.0
    EXPECT_CLOSE(out.value.A_Haimen_A, 1.0);
}

}  // namespace
}  // namespace pelzaro::members
