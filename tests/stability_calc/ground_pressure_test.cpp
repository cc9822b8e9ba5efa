#include "stability/calc/ground_pressure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace pelzaro {
namespace {

using Status = GroundPressure::Status;

struct PressureCase {
    float sumV, b, e;
    Status status;
    float sigmaMax, sigmaMin;
    std::optional<float> xn;
    const char* why;
};

// Expected values by hand: trapezoid (1 +- 6|e|/B) V/B with Xn = (1 + B/(6|e|)) B/2; triangle
// 2/(3 (1/2 - |e|/B)) V/B over the contact length 3 (B/2 - |e|).
TEST(GroundPressure, FollowsTheStraightLineDistribution) {
    const float justAboveOne = std::nextafter(1.0f, 2.0f);
    const PressureCase cases[] = {
        {120, 4, 0, Status::Ok, 30, 30, std::nullopt, "central: uniform, no zero point"},
        {120, 4, 0.4f, Status::Ok, 48, 12, 2.0f * (1.0f + 4.0f / 2.4f), "middle third"},
        {120, 4, -0.4f, Status::Ok, 48, 12, 2.0f * (1.0f + 4.0f / 2.4f),
         "the sign only says which end carries the maximum"},
        {120, 6, 1, Status::Ok, 40, 0, 6, "r exactly 1/6: trapezoid, min 0, Xn = B"},
        {120, 6, justAboveOne, Status::Ok, 40, 0, 6, "just beyond 1/6: triangle, same values"},
        {120, 4, 1, Status::Ok, 80, 0, 3, "uplift: contact over 3 (B/2 - |e|)"},
        {120, 4, -1, Status::Ok, 80, 0, 3, "uplift at the rear end"},
        {120, 4, 2, Status::OutsideBase, 0, 0, std::nullopt, "resultant at the edge"},
        {120, 4, -2.5f, Status::OutsideBase, 0, 0, std::nullopt, "resultant beyond the base"},
        {120, 0, 0, Status::NoBase, 0, 0, std::nullopt, "no base"},
        {120, -1, 0, Status::NoBase, 0, 0, std::nullopt, "negative base width"},
        {0, 4, 0, Status::NoLoad, 0, 0, std::nullopt, "no vertical load"},
        {-50, 4, 0, Status::NoLoad, 0, 0, std::nullopt, "a lifting load has no ground pressure"},
        {3e38f, 1e-3f, 0, Status::TooLarge, 0, 0, std::nullopt, "beyond single precision"},
    };
    for (const PressureCase& c : cases) {
        SCOPED_TRACE(c.why);
        const GroundPressure p = groundPressure(c.sumV, c.b, c.e);
        ASSERT_EQ(p.status, c.status);
        if (c.status != Status::Ok) continue;
        EXPECT_NEAR(p.sigmaMax, c.sigmaMax, 1e-4f * c.sigmaMax);
        EXPECT_NEAR(p.sigmaMin, c.sigmaMin, 1e-4f);
        EXPECT_GE(p.sigmaMin, 0.0f);
        ASSERT_EQ(p.xn.has_value(), c.xn.has_value());
        if (c.xn) {
            EXPECT_NEAR(*p.xn, *c.xn, 1e-5f * *c.xn);
        }
    }
}

TEST(GroundPressure, MiddleThirdIsJudgedInSinglePrecision) {
    EXPECT_TRUE(withinMiddleThird(1.0f, 6.0f)) << "1/6 in float equals 1/6f";
    EXPECT_TRUE(withinMiddleThird(-1.0f, 6.0f));
    EXPECT_FALSE(withinMiddleThird(std::nextafter(1.0f, 2.0f), 6.0f));
    EXPECT_FALSE(groundPressure(120, 6, 1).uplift);
    EXPECT_TRUE(groundPressure(120, 6, std::nextafter(1.0f, 2.0f)).uplift);
}

TEST(GroundPressure, EccentricityNearTheMiddleIsStoredAsZero) {
    struct {
        float e, stored;
        const char* why;
    } cases[] = {
        {3e-7f, 0.0f, "inside the bounds"},
        {-3e-7f, 0.0f, "inside, negative"},
        {-0.0f, 0.0f, "negative zero"},
        {1e-6f, 1e-6f, "the bound itself is kept"},
        {-1e-6f, -1e-6f, "the negative bound is kept"},
        {0.35f, 0.35f, "ordinary eccentricity"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const float s = snappedEccentricity(c.e);
        EXPECT_EQ(s, c.stored);
        EXPECT_FALSE(std::signbit(s) && s == 0.0f) << "no negative zero is stored";
    }
}

}  // namespace
}  // namespace pelzaro
