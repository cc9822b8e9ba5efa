// The shear key under both standards: a hand-worked example, then every position of the
// resultant against an independent integration of the ground pressure line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "example_walls.h"

namespace pelzaro {
namespace {

StabilityInput withKey(StabilityInput in, DesignStandard standard, float h0, float b1) {
    in.standard = standard;
    in.key = ShearKey::Key_Present;
    in.keyDims = KeyDimensions{h0, b1, 0.4f};
    return in;
}

// The example wall (e = -0.347 m, all in contact, maximum 55.812937 at the heel end) with a
// key 0.5 m high at 2.0 m from the front end. tan(45 + 15 degrees) = 1.7320473 (with 3.14159),
// L = 0.8660236; the pressure line falls from the rear end over Xn = 6.3328007:
// sigma1 at 4.2 - 1.1339764 from the rear = 28.791119, sigma2 at 2.2 = 36.423654,
// sigma0 = 32.607387, P = 1.7320473^2 x 32.607387 = 97.821761;
// W1 = (28.791119 + 18.797034) / 2 x 1.1339764 + (36.423654 + 55.812937) / 2 x 2.2
//    = 128.442171.
TEST(ShearKeyExample, ResidentialStandardByPassiveResistance) {
    struct {
        float c;
        LoadedWidth width;
        double f;
        const char* why;
    } cases[] = {
        {0, LoadedWidth::None, 5.4999401, "(0.6 x W1 + P x 0.5) / 22.905010"},
        {10, LoadedWidth::Width_Full, 7.3336001, "+ 10 x B over the whole base"},
        {10, LoadedWidth::Width_Reduced, 7.0303583, "+ 10 x A' = 10 x (4.2 - 2 x 0.347288)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        StabilityInput in = withKey(exampleWall(), DesignStandard::Std_T, 0.5f, 2.0f);
        in.cond.C = c.c;
        in.width = c.width;
        StabilityWork w;
        ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
        expectClose(w.H0, 0.5, "H0");
        expectClose(w.B1, 2.0, "B1");
        expectClose(w.D_Tokki, 0.4, "D_Tokki");
        expectClose(w.L_Tokki, 0.8660236, "L_Tokki");
        expectClose(w.Sigma_1, 28.791119, "Sigma_1");
        expectClose(w.Sigma_2, 36.423654, "Sigma_2");
        expectClose(w.Sigma_0, 32.607387, "Sigma_0");
        expectClose(w.P_Tokki, 97.821761, "P_Tokki");
        expectClose(w.W1_Tokki, 128.44217, "W1_Tokki");
        expectClose(w.F_Tokki, c.f, "F_Tokki");
        EXPECT_EQ(w.Hk, 0.0) << "the road guideline's resistance is not written";
    }
}

// tan 30 degrees = 0.5773497: Hk = (36.423654 + 18.797034) / 2 x 2.0 x t
// + (36.423654 + 55.812937) / 2 x 2.2 x t = 90.459690; with C = 10 plus 10 x 2.0.
TEST(ShearKeyExample, RoadGuidelineByShearResistance) {
    StabilityInput in = withKey(exampleWall(), DesignStandard::Std_D, 0.5f, 2.0f);
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_NEAR(w.Hk, 90.45969, 1e-3);
    expectClose(w.F_Tokki, 3.9493408, "F_Tokki");
    EXPECT_EQ(w.W1_Tokki, 0.0f) << "the residential standard's reaction is not written";
    in.cond.C = 10.0f;
    in.width = LoadedWidth::Width_Reduced;  // the cohesion on L1 whatever the width option
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_NEAR(w.Hk, 110.45969, 1e-3);
    expectClose(w.F_Tokki, 4.8225122, "F_Tokki with cohesion");
}

// --- every position of the resultant, against the pressure line integrated numerically ---

// Pressure at x from the front end on the line that falls from the maximum-pressure edge to 0
// at Xn; no tension.
double pressureAt(const StabilityWork& w, double x) {
    if (w.e == 0.0f) return w.Sigma_max;
    const double s = w.e > 0.0f ? x : w.B - x;
    return std::max(0.0, w.Sigma_max * (std::fabs(w.Xn) - s) / std::fabs(w.Xn));
}

double reactionOver(const StabilityWork& w, double from, double to) {
    const int steps = 20000;
    const double h = (to - from) / steps;
    double sum = 0.0;
    for (int i = 0; i < steps; ++i) sum += pressureAt(w, from + (i + 0.5) * h) * h;
    return sum;
}

struct KeyCase {
    StabilityInput (*wall)();
    float h0, b1;
    bool uplift;
    const char* why;
};

const KeyCase kKeyCases[] = {
    {frontTrapezoidWall, 0.4f, 1.9f, false, "maximum at the front, all in contact"},
    {frontUpliftWall, 0.4f, 1.6f, true, "maximum at the front, the heel end lifts"},
    {exampleWall, 0.5f, 2.0f, false, "maximum at the rear, all in contact"},
    {rearUpliftWall, 0.5f, 3.4f, true, "maximum at the rear, the toe end lifts"},
    // e = -1.558 m on B = 6.8 m: contact from 1.274 m on; the key and its wedge stand before it.
    {rearUpliftWall, 0.1f, 1.0f, true, "maximum at the rear, the key in the lifted part"},
};

TEST(ShearKeyPositions, OrdinatesLieOnThePressureLine) {
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.why);
        StabilityWork w;
        ASSERT_EQ(runStability(withKey(c.wall(), DesignStandard::Std_T, c.h0, c.b1), w),
                  StabilityOutcome::Ok);
        ASSERT_EQ(w.Sigma_min == 0.0f, c.uplift);
        const double wedgeStart = c.b1 - w.L_Tokki;
        EXPECT_NEAR(w.Sigma_1, pressureAt(w, wedgeStart), 1e-4);
        EXPECT_NEAR(w.Sigma_2, pressureAt(w, c.b1), 1e-4);
        // The reaction outside the wedge: in front of it and behind the key, where in contact.
        const double w1 = reactionOver(w, 0, wedgeStart) + reactionOver(w, c.b1, w.B);
        EXPECT_NEAR(w.W1_Tokki, w1, 1e-5 * w1);
        const double p = std::pow(std::tan((45.0 + 15.0) * 3.14159 / 180.0), 2) * w.Sigma_0;
        EXPECT_NEAR(w.P_Tokki, p, 1e-5 * p);
        expectClose(w.F_Tokki, (0.6 * w.W1_Tokki + w.P_Tokki * c.h0) / w.SumH, "F_Tokki");
    }
}

// The shear resistance takes the whole reaction, in front of and behind the key, where the
// base is in contact: tan(phiB) x SumV in every case. The cohesion acts on the length in
// contact in front of the key.
TEST(ShearKeyPositions, ShearResistanceTakesTheReactionInContact) {
    const double t = std::tan(30.0 * 3.14159 / 180.0);
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.why);
        StabilityInput in = withKey(c.wall(), DesignStandard::Std_D, c.h0, c.b1);
        in.cond.C = 10.0f;
        StabilityWork w;
        ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
        const double contactStart = w.e < 0.0f && c.uplift ? w.B - std::fabs(w.Xn) : 0.0;
        // No cohesion where there is no contact: a key in the lifted part has none before it.
        const double hk = t * w.SumV + 10.0 * std::max(0.0, c.b1 - contactStart);
        EXPECT_NEAR(w.Hk, hk, 1e-5 * hk);
        expectClose(w.F_Tokki, w.Hk / w.SumH, "F_Tokki");
    }
}

TEST(ShearKeyPositions, CohesionWidthUnderTheResidentialStandard) {
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.why);
        StabilityInput in = withKey(c.wall(), DesignStandard::Std_T, c.h0, c.b1);
        in.cond.C = 10.0f;
        in.width = LoadedWidth::Width_Full;
        StabilityWork w;
        ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
        // The whole base while in contact, the contact length under uplift.
        const double width = c.uplift ? 3.0 * (w.B / 2.0 - std::fabs(w.e)) : w.B;
        const double resisting = 0.6 * w.W1_Tokki + 10.0 * width + w.P_Tokki * c.h0;
        expectClose(w.F_Tokki, resisting / w.SumH, "F_Tokki, full width");
        expectClose(w.RH, 0.6 * w.SumV + 10.0 * width, "RH without the key");
    }
}

// Maximum at the front, the key beyond the end of contact: nothing behind it resists, the
// reaction in front of the wedge is only the contact that exists, and no length is negative.
TEST(ShearKeyEdges, KeyBeyondTheContactAtTheFront) {
    StabilityWork w;
    ASSERT_EQ(runStability(frontUpliftWall(), w), StabilityOutcome::Ok);
    const float xn = w.Xn, b1 = xn + 0.5f * (w.B - xn);
    ASSERT_LT(b1 - 0.2f, w.B);
    StabilityInput in = withKey(frontUpliftWall(), DesignStandard::Std_T, 0.1f, b1);
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.Sigma_2, 0.0f) << "no pressure where the base has lifted";
    const double wedgeStart = b1 - w.L_Tokki;
    const double w1 = reactionOver(w, 0, wedgeStart) + reactionOver(w, b1, w.B);
    EXPECT_NEAR(w.W1_Tokki, w1, 1e-5 * w1);
    in = withKey(frontUpliftWall(), DesignStandard::Std_D, 0.1f, b1);
    in.cond.C = 10.0f;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    const double t = std::tan(30.0 * 3.14159 / 180.0);
    const double hk = t * w.SumV + 10.0 * xn;  // cohesion only over the contact
    EXPECT_NEAR(w.Hk, hk, 1e-5 * hk);
}

TEST(ShearKeyEdges, KeyWithoutHeightFallsBackToFrictionAndCohesion) {
    StabilityWork w;
    ASSERT_EQ(runStability(withKey(exampleWall(), DesignStandard::Std_T, 0.0f, 2.0f), w),
              StabilityOutcome::Ok);
    EXPECT_EQ(w.L_Tokki, 0.0f);
    EXPECT_EQ(w.Sigma_1, w.Sigma_2);
    expectClose(w.F_Tokki, 0.6 * w.W1_Tokki / w.SumH, "F_Tokki");
}

TEST(ShearKeyEdges, EachStandardLeavesTheOthersResult) {
    StabilityWork w;
    ASSERT_EQ(runStability(withKey(exampleWall(), DesignStandard::Std_T, 0.5f, 2.0f), w),
              StabilityOutcome::Ok);
    const float w1 = w.W1_Tokki;
    ASSERT_EQ(runStability(withKey(exampleWall(), DesignStandard::Std_D, 0.5f, 2.0f), w),
              StabilityOutcome::Ok);
    EXPECT_EQ(w.W1_Tokki, w1);
    const double hk = w.Hk;
    ASSERT_EQ(runStability(withKey(exampleWall(), DesignStandard::Std_T, 0.4f, 1.8f), w),
              StabilityOutcome::Ok);
    EXPECT_EQ(w.Hk, hk);
}

TEST(ShearKeyEdges, NoStandardChosenComputesOnlyTheSlidingWithoutKey) {
    StabilityInput in = withKey(exampleWall(), DesignStandard::None, 0.5f, 2.0f);
    in.keyDims.reset();  // no dialog is read without a standard
    StabilityWork w;
    w.F_Tokki = 1.25f, w.P_Tokki = 7.0f, w.B1 = 1.5f;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    expectClose(w.F_Katsudou, 4.1042795, "F_Katsudou");
    EXPECT_EQ(w.F_Tokki, 1.25f);
    EXPECT_EQ(w.P_Tokki, 7.0f);
    EXPECT_EQ(w.B1, 1.5f);
}

}  // namespace
}  // namespace pelzaro
