// The example wall under symmetric earth pressure, worked out by hand, run after a one-sided
// run of the same wall: the front takes the rear's heights and surcharge, nothing overturns,
// and the one-sided results stay as that run left them.

#include <gtest/gtest.h>

#include "example_walls.h"

namespace pelzaro {
namespace {

class TwoSidedExample : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(runStability(exampleWall(), w), StabilityOutcome::Ok);
        oneSided = w;
        StabilityInput in = exampleWall();
        in.shape = GroundShape::Shape_TwoSided;
        in.pv = PvInMoment::None;                 // the page clears both options for this shape
        in.frontSoil = FrontSoil::FrontSoil_Out;  // hidden on the page: not read for this shape
        in.wall.H1 = 9.0f, in.wall.H2 = 7.0f, in.wall.Q_Zenmen = 99.0f;
        ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    }
    StabilityWork oneSided, w;
};

// H1 := H4 = 0.3, H2 := H3 = 2.5, H_Zenmen := H_Haimen = 2.1; Q_Zenmen := Q_Haimen = 10.
// Front wall height above the slab 2.4: A1 = 2.4 x 0.6 / 2 + 0.16 = 0.88;
// centre-soil set-back 0.6 x 0.1 / 2.4 = 0.025: A6 = (0.025 + 4 + 0.0125) x 0.3 = 1.21125;
// front-ground set-back 2.1 x 0.1 / 2.4 = 0.0875: A8 = (0.0875 + 1.2) x 1.05 + 0.03 = 1.381875;
// front surcharge 10 x (0.0875 + 0.6) = 6.875 at 0.34375.
TEST_F(TwoSidedExample, MirrorsTheFrontFromTheRear) {
    expectClose(w.H1, 0.3, "H1");
    expectClose(w.H2, 2.5, "H2");
    expectClose(w.H_Zenmen, 2.1, "H_Zenmen");
    expectClose(w.Q_Zenmen, 10.0, "Q_Zenmen");
    expectClose(w.T1_Mae, 0.2, "front wall keeps its own thickness");
    expectClose(w.A1, 0.88, "A1");
    expectClose(w.A6, 1.21125, "A6");
    expectClose(w.A8, 1.381875, "A8, the front soil always counts");
    expectClose(w.X8, 0.3197139, "X8");
    expectClose(w.W_Q_Zenmen, 6.875, "W_Q_Zenmen");
    expectClose(w.X_Q_Zenmen, 0.34375, "X_Q_Zenmen");
    expectClose(w.W_Q_Tyuuou, 10.1875, "W_Q_Tyuuou");
    expectClose(w.X_Q_Tyuuou, 1.99375, "X_Q_Tyuuou");
}

// No vertical component counts: SumV = 153.93 + 8.875 + 10.1875 + 6.875 = 179.8675;
// Mr = 329.071656 + 33.336719 + 20.311328 + 2.363281 = 385.082984; Mo = 0;
// d = Mr / SumV = 2.140926, e = -0.040926; sigma = 42.825595 x (1 +- 0.058466).
TEST_F(TwoSidedExample, HasNoOverturningMoment) {
    expectClose(w.SumW, 153.93, "SumW");
    expectClose(w.SumV, 179.8675, "SumV");
    expectClose(w.Mr, 385.08298, "Mr");
    EXPECT_EQ(w.Mo, 0.0f);
    expectClose(w.d, 2.1409259, "d");
    EXPECT_NEAR(w.e, -0.0409259, 2e-6);
    expectClose(w.Sigma_max, 45.329416, "Sigma_max");
    expectClose(w.Sigma_min, 40.321774, "Sigma_min");
    EXPECT_EQ(w.PAY_Sannyuu, 0.0f);
    EXPECT_EQ(w.DeltaPAY_Sannyuu, 0.0f);
    // A' = B - 2|e| = 4.2 - 0.0818518 is stored on every run, whatever the shape.
    expectClose(w.A_eff, 4.1181482, "A_eff");
}

TEST_F(TwoSidedExample, KeepsTheOneSidedResults) {
    EXPECT_EQ(w.F_Tentou, oneSided.F_Tentou);
    EXPECT_EQ(w.Xn, oneSided.Xn);
    EXPECT_EQ(w.SumH, oneSided.SumH);
    EXPECT_EQ(w.RH, oneSided.RH);
    EXPECT_EQ(w.F_Katsudou, oneSided.F_Katsudou);
}

TEST(TwoSidedFrontSoil, ATinyResidueIsNoSoil) {
    // No toe and the back ground 1 mm above the slab: the front soil is the sliver over the
    // front wall's outer batter, 0.001^2 x 0.1 / 0.301 / 2 = 1.7e-7 m2, below 1e-6: none.
    StabilityInput in = exampleWall();
    in.shape = GroundShape::Shape_TwoSided;
    in.wall.B_Tumasaki = 0.0f, in.wall.D_Tumasaki = 0.0f;
    in.wall.H3 = 0.401f;
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_GT(w.A8_3, 0.0f);
    EXPECT_LT(w.A8_3, 1e-6f);
    EXPECT_EQ(w.A8, 0.0f);
}

}  // namespace
}  // namespace pelzaro
