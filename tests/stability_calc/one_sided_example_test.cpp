// The example wall of example_walls.h worked out by hand, step by step.

#include <gtest/gtest.h>

#include "example_walls.h"
#include "state/module1.h"

namespace pelzaro {
namespace {

struct Expected {
    const char* name;
    float StabilityWork::*member;
    double value;
};

void expectAll(const StabilityWork& w, std::initializer_list<Expected> rows) {
    for (const Expected& row : rows) expectClose(w.*row.member, row.value, row.name);
}

class OneSidedExample : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(runStability(exampleWall(), w), StabilityOutcome::Ok); }
    StabilityWork w;
};

// B = 0.4 + 0.6 + 2.0 + 0.4 + 0.8 = 4.2; haunches 0.4 - 0.3 = 0.1; outer batters
// 0.4 - 0.2 - 0.1 = 0.1 and 0.4 - 0.25 - 0.05 = 0.1; soil depths 1.0 - 0.4 = 0.6 (front) and
// 2.5 - 0.4 = 2.1 (back). Wall heights above the slab: 0.6 + 0.5 = 1.1 and 2.1 + 0.3 = 2.4.
TEST_F(OneSidedExample, Geometry) {
    EXPECT_EQ(w.Syou_No, "3.1");
    EXPECT_EQ(w.Kigou, "Ａ");
    expectAll(w, {{"H", &StabilityWork::H, 2.5},
                  {"B", &StabilityWork::B, 4.2},
                  {"B_Haimen", &StabilityWork::B_Haimen, 1.2 - 0.3},
                  {"B_Tyuuou_Ue", &StabilityWork::B_Tyuuou_Ue, 2.15},
                  {"N_Mae_Out", &StabilityWork::N_Mae_Out, 0.1},
                  {"N_Usiro_Out", &StabilityWork::N_Usiro_Out, 0.1},
                  {"D_Tumasaki_H", &StabilityWork::D_Tumasaki_H, 0.1},
                  {"D_Kakato_H", &StabilityWork::D_Kakato_H, 0.1},
                  {"H_Zenmen", &StabilityWork::H_Zenmen, 0.6},
                  {"H_Haimen", &StabilityWork::H_Haimen, 2.1}});
}

// Set-backs: centre soil 0.6 x 0.1 / 1.1 = 0.054545 (front), 0.6 x 0.05 / 2.4 = 0.0125 (rear);
// grounds 0.6 x 0.1 / 1.1 = 0.054545 (front), 2.1 x 0.1 / 2.4 = 0.0875 (back).
// A1 = 1.1 x 0.6 / 2 + 0.4 x 0.4 = 0.49; A2 = 2.4 x 0.65 / 2 + 0.16 = 0.94; A3 = 0.8;
// A4 = A5 = 0.7 x 0.8 / 2 = 0.28 and 0.7 x 0.6 / 2 = 0.21;
// A6 = (0.054545 + 2 + 0.0125 + 2) x 0.6 / 2 = 1.220114;
// A7 = (0.0875 + 1.6) x 2.1 / 2 + 0.1 x 0.8 / 2 = 1.811875;
// A8 = (0.054545 + 1.2) x 0.6 / 2 + 0.1 x 0.6 / 2 = 0.406364.
TEST_F(OneSidedExample, RowAreasAndCentroids) {
    expectAll(w, {{"A1", &StabilityWork::A1, 0.49},
                  {"A2", &StabilityWork::A2, 0.94},
                  {"A3", &StabilityWork::A3, 0.8},
                  {"A4", &StabilityWork::A4, 0.28},
                  {"A5", &StabilityWork::A5, 0.21},
                  {"A6", &StabilityWork::A6, 1.2201136},
                  {"A7", &StabilityWork::A7, 1.811875},
                  {"A8", &StabilityWork::A8, 0.4063636},
                  // X1: (0.22 x 0.2 + 0.055 x 0.33333 + 0.055 x 0.066667 + 0.16 x 0.2) / 0.49
                  // + 0.6 = 0.2 + 0.6
                  {"X1", &StabilityWork::X1, 0.8},
                  {"X2", &StabilityWork::X2, 3.1904255},
                  {"X3", &StabilityWork::X3, 2.0},
                  // X4: 4.2 - (0.04 x 0.53333 + 0.24 x 0.4) / 0.28
                  {"X4", &StabilityWork::X4, 3.7809524},
                  {"X5", &StabilityWork::X5, 0.3142857},
                  {"X6", &StabilityWork::X6, 1.9894309},
                  {"X7", &StabilityWork::X7, 3.7811817},
                  {"X8", &StabilityWork::X8, 0.3054301}});
}

// PA = 2.5^2 x 0.5 x 0.3 x 18 = 16.875, inclined by 20 degrees: 15.857315 and 5.771585;
// DeltaPA = 0.3 x 10 x 2.5 = 7.5: 7.047695 and 2.565149.
// Surcharges: 10 x (0.0875 + 0.8) = 8.875 at 4.2 - 0.44375; 5 x (0.054545 + 2 + 0.0125) =
// 10.335227 at (1.0 - 0.054545) + 2.067045 / 2; 3 x (0.054545 + 0.6) = 1.963636 at 0.327273.
TEST_F(OneSidedExample, EarthPressureAndSurcharges) {
    expectAll(w, {{"PA", &StabilityWork::PA, 16.875},
                  {"PAX", &StabilityWork::PAX, 15.857315},
                  {"PAY", &StabilityWork::PAY, 5.7715852},
                  {"DeltaPA", &StabilityWork::DeltaPA, 7.5},
                  {"DeltaPAX", &StabilityWork::DeltaPAX, 7.0476954},
                  {"DeltaPAY", &StabilityWork::DeltaPAY, 2.565149},
                  {"W_Q_Haimen", &StabilityWork::W_Q_Haimen, 8.875},
                  {"X_Q_Haimen", &StabilityWork::X_Q_Haimen, 3.75625},
                  {"W_Q_Tyuuou", &StabilityWork::W_Q_Tyuuou, 10.335227},
                  {"X_Q_Tyuuou", &StabilityWork::X_Q_Tyuuou, 1.9789773},
                  {"W_Q_Zenmen", &StabilityWork::W_Q_Zenmen, 1.9636364},
                  {"X_Q_Zenmen", &StabilityWork::X_Q_Zenmen, 0.3272727},
                  {"PAY_Sannyuu", &StabilityWork::PAY_Sannyuu, 5.7715852},
                  {"DeltaPAY_Sannyuu", &StabilityWork::DeltaPAY_Sannyuu, 2.565149},
                  {"X_PAY", &StabilityWork::X_PAY, 4.2},
                  {"X_DeltaPAY", &StabilityWork::X_DeltaPAY, 4.2}});
}

// SumW = 24 x (0.49 + 0.94 + 0.8 + 0.28 + 0.21) + 18 x (1.220114 + 1.811875 + 0.406364)
//      = 65.28 + 61.890341 = 127.170341;
// SumV = 127.170341 + 8.875 + 10.335227 + 1.963636 + 5.771585 + 2.565149 = 156.680939;
// Mr = SumWx 316.020570 + 33.336719 + 20.453051 + 0.642645 + (5.771585 + 2.565149) x 4.2;
// Mo = 7.047695 x 1.25 + 15.857315 x 2.5 / 3 = 22.024048; F = 405.467397 / 22.024048;
// d = (405.467397 - 22.024048) / 156.680939 = 2.447288; e = 2.1 - d = -0.347288 (maximum at
// the rear end); 6|e|/B = 0.496125 < 1: sigma = 37.304747 x (1 +- 0.496125);
// Xn = (1 + 4.2 / 2.083727) x 2.1.
TEST_F(OneSidedExample, TotalsOverturningAndGroundPressure) {
    expectAll(w, {{"SumW", &StabilityWork::SumW, 127.17034},
                  {"SumV", &StabilityWork::SumV, 156.68094},
                  {"SumWx", &StabilityWork::SumWx, 316.02057},
                  {"Mr", &StabilityWork::Mr, 405.4674},
                  {"Mo", &StabilityWork::Mo, 22.024048},
                  {"F_Tentou", &StabilityWork::F_Tentou, 18.410212},
                  {"d", &StabilityWork::d, 2.4472878},
                  {"Sigma_min", &StabilityWork::Sigma_min, 18.797034},
                  {"Xn", &StabilityWork::Xn, 6.3328007}});
    EXPECT_NEAR(w.e, -0.3472878, 1e-5);
    expectClose(w.Sigma_max, 55.812937, "Sigma_max");
}

// No cohesion: RH = 0.6 x 156.680939 = 94.008563; SumH = 15.857315 + 7.047695 = 22.905010.
TEST_F(OneSidedExample, SlidingWithoutKey) {
    expectAll(w, {{"SumH", &StabilityWork::SumH, 22.90501},
                  {"RH", &StabilityWork::RH, 94.008563},
                  {"F_Katsudou", &StabilityWork::F_Katsudou, 4.1042795}});
}

TEST(OneSidedExampleOnTheState, StoresEverythingAndMarksTheRun) {
    Module1 m;
    ASSERT_EQ(calculateStability(exampleWall(), m), StabilityOutcome::Ok);
    expectClose(m.Sigma_max, 55.812937, "Sigma_max");
    expectClose(m.B, 4.2, "B");
    expectClose(m.F_Katsudou, 4.1042795, "F_Katsudou");
    EXPECT_EQ(m.Q_Haimen, 10.0f);
    EXPECT_EQ(m.Q_Tyuuou, 5.0f);
    EXPECT_EQ(m.Q_Zenmen, 3.0f);
}

}  // namespace
}  // namespace pelzaro
