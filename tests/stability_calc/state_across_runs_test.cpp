// What a run leaves as the previous run (or another procedure) stored it: values whose
// condition the run does not meet.

#include <gtest/gtest.h>

#include <cmath>

#include "example_walls.h"

namespace pelzaro {
namespace {

TEST(StateAcrossRuns, NoHeelAndAVerticalRearFaceKeepTheirArms) {
    StabilityWork w;
    ASSERT_EQ(runStability(exampleWall(), w), StabilityOutcome::Ok);
    const float x4 = w.X4, x7 = w.X7, xq = w.X_Q_Haimen;
    StabilityInput in = exampleWall();
    in.wall.B_Kakato = 0.0f, in.wall.D_Kakato = 0.0f;
    in.wall.N_Usiro_In = 0.125f, in.wall.T2_Usiro = 0.375f;  // 0.25 + 0.125: no outer batter
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.A4, 0.0f);
    EXPECT_EQ(w.A7, 0.0f);
    EXPECT_EQ(w.W_Q_Haimen, 0.0f);
    EXPECT_EQ(w.X4, x4);
    EXPECT_EQ(w.X7, x7);
    EXPECT_EQ(w.X_Q_Haimen, xq);
}

TEST(StateAcrossRuns, ExcludedFrontSoilStillHasItsCentroidAndItsSurcharge) {
    StabilityInput in = exampleWall();
    in.frontSoil = FrontSoil::FrontSoil_Out;
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.A8, 0.0f);
    expectClose(w.X8, 0.3054301, "X8 of the front soil's geometry");
    // SumV of the example less 18 x 0.406364; the front surcharge still counts.
    expectClose(w.SumV, 156.68094 - 18 * 0.4063636, "SumV");
    expectClose(w.W_Q_Zenmen, 1.9636364, "W_Q_Zenmen");
}

TEST(StateAcrossRuns, NoFrontSoilChoiceLeavesTheFrontSoilOut) {
    StabilityInput in = exampleWall();
    in.frontSoil = FrontSoil::None;
    StabilityWork w;
    w.A8 = 5.0f;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.A8, 0.0f) << "reset at the start of every run";
}

// With the 5 kN/m2 deduction and no back surcharge the surcharge's earth pressure is negative
// (-5 x 0.3 x 2.5) and, counted as a vertical load, lowers SumV.
TEST(StateAcrossRuns, DeductionWithoutSurchargeGivesANegativePressure) {
    StabilityInput in = exampleWall();
    in.wall.Q_Haimen = 0.0f;
    in.surchargeReducedBy5 = true;
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    expectClose(w.DeltaPA, -3.75, "DeltaPA");
    EXPECT_LT(w.DeltaPAY_Sannyuu, 0.0f);
    expectClose(w.SumV, 127.17034 + 10.335227 + 1.9636364 + 5.7715852 + w.DeltaPAY_Sannyuu, "SumV");
}

TEST(StateAcrossRuns, FrontSurchargeOnlyWithAChosenShape) {
    StabilityInput in = exampleWall();
    in.shape = GroundShape::None;
    StabilityWork w;
    w.Q_Zenmen = 4.5f;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.Q_Zenmen, 4.5f);
}

TEST(StateAcrossRuns, KeyDimensionsAndResultsStayWhenTheKeyIsDropped) {
    StabilityInput in = exampleWall();
    in.key = ShearKey::Key_Present;
    in.keyDims = KeyDimensions{0.5f, 2.0f, 0.4f};
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    const StabilityWork keyed = w;
    w.H0 = 0.0f;  // the page's "no key" sets only the height
    in.key = ShearKey::Key_None;
    in.keyDims.reset();
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.H0, 0.0f);
    EXPECT_EQ(w.B1, keyed.B1);
    EXPECT_EQ(w.D_Tokki, keyed.D_Tokki);
    EXPECT_EQ(w.F_Tokki, keyed.F_Tokki);
    EXPECT_EQ(w.P_Tokki, keyed.P_Tokki);
    EXPECT_EQ(w.W1_Tokki, keyed.W1_Tokki);
}

TEST(StateAcrossRuns, NoKeyChoiceLeavesTheSlidingValues) {
    StabilityInput in = exampleWall();
    in.key = ShearKey::None;
    StabilityWork w;
    w.SumH = 1.0f, w.RH = 2.0f, w.F_Katsudou = 3.0f;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.SumH, 1.0f);
    EXPECT_EQ(w.RH, 2.0f);
    EXPECT_EQ(w.F_Katsudou, 3.0f);
}

// The resultant moved to the middle of the base by the front surcharge, found by halving: e
// within 1e-6 of 0 is stored as 0, the pressure is uniform and has no zero point.
class CentralResultant : public ::testing::Test {
  protected:
    StabilityInput centred() {
        StabilityInput in = exampleWall();
        in.cond.C = 10.0f;
        in.width = LoadedWidth::Width_Reduced;
        float low = 0.0f, high = 2000.0f;  // e < 0 at low, e > 0 at high
        for (int i = 0; i < 200; ++i) {
            in.wall.Q_Zenmen = (low + high) / 2;
            StabilityWork probe;
            EXPECT_EQ(runStability(in, probe), StabilityOutcome::Ok);
            if (probe.e == 0.0f) return in;
            (probe.e < 0.0f ? low : high) = in.wall.Q_Zenmen;
        }
        ADD_FAILURE() << "no central resultant found";
        return in;
    }
};

TEST_F(CentralResultant, KeepsXnAndGivesAUniformPressure) {
    const StabilityInput in = centred();
    StabilityWork w;
    w.Xn = 12.5f;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.e, 0.0f);
    EXPECT_EQ(w.Xn, 12.5f) << "no zero point: the previous value stays";
    expectClose(w.Sigma_max, w.SumV / w.B, "uniform pressure");
    EXPECT_EQ(w.Sigma_min, w.Sigma_max);
    expectClose(w.A_eff, w.B, "A' = B");
    expectClose(w.RH, 10.0 * w.B + 0.6 * w.SumV, "RH");
}

TEST_F(CentralResultant, KeyOrdinatesTakeTheUniformPressure) {
    StabilityInput in = centred();
    in.key = ShearKey::Key_Present;
    in.keyDims = KeyDimensions{0.5f, 2.0f, 0.4f};
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    ASSERT_EQ(w.e, 0.0f);
    EXPECT_EQ(w.Sigma_1, w.Sigma_max);
    EXPECT_EQ(w.Sigma_2, w.Sigma_max);
    // The reaction outside the wedge: the uniform pressure over B - L.
    expectClose(w.W1_Tokki, w.Sigma_max * (w.B - w.L_Tokki), "W1_Tokki");
}

}  // namespace
}  // namespace pelzaro
