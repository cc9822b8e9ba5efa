// Overturning moment and horizontal force by case and seismic method, on the example wall with
// Kh = 0.2 and the surcharge inertia acting 2.7 m above the base underside.

#include <gtest/gtest.h>

#include "example_walls.h"

namespace pelzaro {
namespace {

// From the hand example: earth-pressure moment 7.047695 x 2.5 / 2 + 15.857315 x 2.5 / 3 =
// 22.024048 and force 22.905010; SumW = 127.170341, SumWy = 110.180023 (the rows' weights
// times their centroid heights); surcharges 8.875 (back) and 10.335227 (centre).
constexpr double kEarthMoment = 22.024048, kEarthForce = 22.90501;
constexpr double kWallInertiaMoment = 0.2 * 110.18002, kWallInertiaForce = 0.2 * 127.17034;
// 8.875 x 0.2 x 2.7 + (0.6 + 0.4) x 10.335227 x 0.2
constexpr double kSurchargeMoment = 4.7925 + 2.0670454;
constexpr double kSurchargeForce = 0.2 * (8.875 + 10.335227);

struct SeismicCase {
    CalcCase calcCase;
    SeismicMethod method;
    bool surchargeInertia;
    double mo, sumH;
    const char* why;
};

TEST(SeismicMethods, AddTheInertiaTheyCount) {
    const SeismicCase cases[] = {
        {CalcCase::Case_N, SeismicMethod::None, false, kEarthMoment, kEarthForce,
         "normal case: earth pressure only"},
        {CalcCase::Case_N, SeismicMethod::Method_D1, true, kEarthMoment, kEarthForce,
         "normal case is tested first: the seismic dialog's choices do not count"},
        {CalcCase::Case_S, SeismicMethod::Method_K1, true, kEarthMoment, kEarthForce,
         "K1: the seismic coefficient is in KA, no inertia term"},
        {CalcCase::Case_S, SeismicMethod::Method_K2, false, kEarthMoment + kWallInertiaMoment,
         kEarthForce + kWallInertiaForce, "K2: wall inertia at the rows' centroids"},
        {CalcCase::Case_S, SeismicMethod::Method_D1, false, kEarthMoment + kWallInertiaMoment,
         kEarthForce + kWallInertiaForce, "D1: the same inertia with the seismic KA"},
        {CalcCase::Case_S, SeismicMethod::Method_K2, true,
         kEarthMoment + kWallInertiaMoment + kSurchargeMoment,
         kEarthForce + kWallInertiaForce + kSurchargeForce,
         "K2 with the surcharge inertia: back at Hq, centre on the centre soil"},
        {CalcCase::Case_S, SeismicMethod::Method_D1, true,
         kEarthMoment + kWallInertiaMoment + kSurchargeMoment,
         kEarthForce + kWallInertiaForce + kSurchargeForce, "D1 with the surcharge inertia"},
    };
    for (const SeismicCase& c : cases) {
        SCOPED_TRACE(c.why);
        StabilityInput in = exampleWall();
        in.cond.Kh = 0.2f;
        in.calcCase = c.calcCase;
        in.method = c.method;
        in.surchargeInertia = c.surchargeInertia;
        StabilityWork w;
        w.Hq = 2.7f;
        ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
        expectClose(w.Mo, c.mo, "Mo");
        expectClose(w.SumH, c.sumH, "SumH");
        expectClose(w.F_Tentou, 405.4674 / c.mo, "F_Tentou");
        expectClose(w.F_Katsudou, 94.008563 / c.sumH, "F_Katsudou");
    }
}

TEST(SeismicMethods, CentroidHeightsOnlyForTheWallInertia) {
    StabilityInput in = exampleWall();
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.Y1, 0.0f) << "normal case without a method: no heights";
    EXPECT_EQ(w.y2_1, 0.0f);
    EXPECT_EQ(w.SumWy, 0.0f);
    in.method =
        SeismicMethod::Method_K2;  // chosen earlier in the seismic dialog; case still normal
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    expectClose(w.SumWy, 110.18002, "SumWy whatever the case");
    expectClose(w.Mo, kEarthMoment, "Mo of the normal case");
}

TEST(SeismicMethods, SeismicCaseWithoutMethodKeepsTheMoments) {
    StabilityInput in = exampleWall();
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    in.calcCase = CalcCase::Case_S;
    in.cond.Kh = 0.2f;
    in.cond.KA = 0.5f;  // the earth pressure changes, the kept moment does not
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    expectClose(w.Mo, kEarthMoment, "Mo kept");
    expectClose(w.SumH, kEarthForce, "SumH kept");
}

}  // namespace
}  // namespace pelzaro
