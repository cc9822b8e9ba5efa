// Inputs that leave the stability calculation without a defined result: the run is refused,
// nothing of it is stored, and the marker of a finished run is 0.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "example_walls.h"
#include "state/module1.h"

namespace pelzaro {
namespace {

struct RefusalCase {
    std::function<void(StabilityInput&)> edit;
    StabilityOutcome outcome;
    const char* why;
};

TEST(StabilityRefusals, EveryZeroDivisorRefusesTheRun) {
    const RefusalCase cases[] = {
        {[](StabilityInput& in) { in.wall.H1 = -0.6f; }, StabilityOutcome::NoWallHeight,
         "front wall top level with the slab top: 0.6 - 0.6"},
        {[](StabilityInput& in) { in.wall.H4 = -2.1f; }, StabilityOutcome::NoWallHeight,
         "rear wall top level with the slab top"},
        {[](StabilityInput& in) {
             in.wall = WallDimensions{};
             in.wall.H1 = 1, in.wall.H3 = 1;
         },
         StabilityOutcome::NoBaseWidth, "every width empty"},
        {[](StabilityInput& in) { in.wall.T2_Mae = -5.0f; }, StabilityOutcome::NoBaseWidth,
         "negative base width"},
        {[](StabilityInput& in) { in.wall.D_Teiban = 0.0f, in.wall.D_Kakato = 0.0f; },
         StabilityOutcome::HeelWithoutThickness, "a heel length without any slab"},
        {[](StabilityInput& in) { in.wall.D_Tumasaki = -0.4f; },
         StabilityOutcome::ToeWithoutThickness, "a toe whose section closes to nothing"},
        {[](StabilityInput& in) { in.cond.KA = 0.0f; }, StabilityOutcome::NoOverturningMoment,
         "no earth pressure and so no overturning moment"},
        {[](StabilityInput& in) {
             in.cond.Gamma_C = 0.0f, in.cond.Gamma_S = 0.0f;
             in.wall.Q_Haimen = in.wall.Q_Tyuuou = in.wall.Q_Zenmen = 0.0f;
             in.cond.KA = 0.3f;
             in.pv = PvInMoment::Pv_NotCounted;
         },
         StabilityOutcome::NoOverturningMoment, "weightless wall, no surcharge: Mo first"},
        {[](StabilityInput& in) {
             in.cond.Gamma_C = 0.0f, in.cond.Gamma_S = 0.0f;
             in.wall.Q_Tyuuou = in.wall.Q_Zenmen = 0.0f;
             in.wall.Q_Haimen = 0.0f;
             in.pv = PvInMoment::Pv_NotCounted;
             in.surchargeReducedBy5 = true;  // -5 kN/m2 for the earth pressure: Mo != 0
         },
         StabilityOutcome::NoVerticalLoad, "no vertical force"},
        {[](StabilityInput& in) { in.cond.Gamma_C = -100.0f; }, StabilityOutcome::NoVerticalLoad,
         "a lifting total: no ground pressure"},
        {[](StabilityInput& in) {
             in.cond.KA = 3.0f, in.wall.Q_Haimen = 200.0f;
             in.pv = PvInMoment::Pv_NotCounted;
         },
         StabilityOutcome::ResultantOutsideBase, "the resultant beyond the toe"},
        {[](StabilityInput& in) {
             // (Q - 5) KA H = -H^2 KA gamma / 2: the two earth pressures cancel, their
             // moments do not.
             in.wall.Q_Haimen = -17.5f;
             in.surchargeReducedBy5 = true;
         },
         StabilityOutcome::NoHorizontalForce, "no horizontal force, no sliding factor"},
        {[](StabilityInput& in) {
             in.wall.Q_Haimen = -17.5f;
             in.surchargeReducedBy5 = true;
             in.key = ShearKey::Key_Present;
             in.keyDims = KeyDimensions{0.5f, 2.0f, 0.4f};
         },
         StabilityOutcome::NoHorizontalForce, "no horizontal force under the key"},
        {[](StabilityInput& in) { in.wall.H3 = 1e20f; }, StabilityOutcome::TooLarge,
         "beyond single precision"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.why);
        Module1 m;
        ASSERT_EQ(calculateStability(exampleWall(), m), StabilityOutcome::Ok);
        const Module1 before = m;
        StabilityInput in = exampleWall();
        c.edit(in);
        EXPECT_EQ(calculateStability(in, m), c.outcome);
        EXPECT_EQ(m.Sigma_max, 0.0f) << "no result counts as valid";
        // Nothing of the refused run is stored.
        EXPECT_EQ(m.B, before.B);
        EXPECT_EQ(m.H3, before.H3);
        EXPECT_EQ(m.e, before.e);
        EXPECT_EQ(m.F_Katsudou, before.F_Katsudou);
        EXPECT_EQ(m.Q_Haimen, before.Q_Haimen);
        EXPECT_FALSE(stabilityRefusalMessage(c.outcome).empty());
    }
}

TEST(StabilityRefusals, EachReasonHasItsMessage) {
    EXPECT_EQ(stabilityRefusalMessage(StabilityOutcome::Ok), "");
    for (int reason = 1; reason <= static_cast<int>(StabilityOutcome::TooLarge); ++reason) {
        const std::string text = stabilityRefusalMessage(static_cast<StabilityOutcome>(reason));
        ASSERT_GE(text.size(), 3u) << reason;
        EXPECT_EQ(text.substr(text.size() - 3), "。") << reason;
    }
}

TEST(StabilityRefusals, ANewRunAfterARefusalSetsTheMarkerAgain) {
    Module1 m;
    StabilityInput bad = exampleWall();
    bad.cond.KA = 0.0f;
    EXPECT_EQ(calculateStability(bad, m), StabilityOutcome::NoOverturningMoment);
    EXPECT_EQ(m.Sigma_max, 0.0f);
    ASSERT_EQ(calculateStability(exampleWall(), m), StabilityOutcome::Ok);
    expectClose(m.Sigma_max, 55.812937, "Sigma_max");
    ASSERT_EQ(calculateStability(frontUpliftWall(), m), StabilityOutcome::Ok);
    EXPECT_GT(m.Sigma_max, 0.0f);
    EXPECT_NE(m.Sigma_max, 55.812937f) << "every run sets it again";
}

}  // namespace
}  // namespace pelzaro
