#include "members/calc/ground_reaction.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "close_to.h"

namespace pelzaro::members {
namespace {

// Base from the toe: toe 1.0, front wall 0.5, clear span 3.0, rear wall 0.5, heel 1.0 (B = 6);
// the seven points lie at 0, 1, 1.5, 3, 4.5, 5 and 6 m. Sigma_max = 100 kN/m2.
ReactionInput base(float e, float toe = 1.0f, float heel = 1.0f) {
    ReactionInput in;
    in.B_Tumasaki = toe;
    in.T2_Mae = 0.5f;
    in.B_Tyuuou = 3.0f;
    in.T2_Usiro = 0.5f;
    in.B_Kakato = heel;
    in.B = toe + 0.5f + 3.0f + 0.5f + heel;
    in.e = e;
    in.Sigma_max = 100.0f;
    return in;
}

struct Case {
    const char* why;
    ReactionInput in;
    ReactionShape shape;
    std::optional<double> Xn;
    std::array<double, 7> ordinates;  // VP, V1, V2, V3, V4, V5, VR
};

class GroundReactionTable : public ::testing::TestWithParam<Case> {};

TEST_P(GroundReactionTable, OrdinatesAtTheSevenPoints) {
    const Case& c = GetParam();
    const ReactionOutcome out = groundReaction(c.in);
    ASSERT_TRUE(out.ok()) << c.why;
    const GroundReaction& r = out.value;
    EXPECT_EQ(r.shape, c.shape) << c.why;
    ASSERT_EQ(r.Xn.has_value(), c.Xn.has_value()) << c.why;
    if (c.Xn) {
        EXPECT_CLOSE(*r.Xn, *c.Xn) << c.why;
    }
    const std::array<float, 7> got{r.VP, r.V1, r.V2, r.V3, r.V4, r.V5, r.VR};
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_CLOSE(got[i], c.ordinates[i]) << c.why << " #" << i;
}

// Trapezoid Xn = (B/(6|e|) + 1) B/2; triangle Xn = 3 (B/2 - |e|); ordinate 100 (Xn - x)/Xn.
INSTANTIATE_TEST_SUITE_P(
    Cases, GroundReactionTable,
    ::testing::Values(
        Case{"centred resultant: uniform, Xn not written",
             base(0.0f),
             ReactionShape::Uniform,
             std::nullopt,
             {100, 100, 100, 100, 100, 100, 100}},
        Case{"trapezoid towards the toe: Xn = 9",
             base(0.5f),
             ReactionShape::Trapezoid,
             9.0,
             {100, 800 / 9.0, 750 / 9.0, 600 / 9.0, 50, 400 / 9.0, 300 / 9.0}},
        Case{"trapezoid towards the heel: measured from the heel end",
             base(-0.5f),
             ReactionShape::Trapezoid,
             9.0,
             {300 / 9.0, 400 / 9.0, 50, 600 / 9.0, 750 / 9.0, 800 / 9.0, 100}},
        Case{"|e|/B exactly 1/6: still a trapezoid, zero at the heel tip",
             base(1.0f),
             ReactionShape::Trapezoid,
             6.0,
             {100, 500 / 6.0, 450 / 6.0, 50, 150 / 6.0, 100 / 6.0, 0}},
        Case{"|e|/B exactly 1/6 towards the heel: zero at the toe tip",
             base(-1.0f),
             ReactionShape::Trapezoid,
             6.0,
             {0, 100 / 6.0, 150 / 6.0, 50, 450 / 6.0, 500 / 6.0, 100}},
        Case{"triangle, zero point at the rear wall's inner face (at Xn gives 0)",
             base(1.5f),
             ReactionShape::Triangle,
             4.5,
             {100, 350 / 4.5, 300 / 4.5, 150 / 4.5, 0, 0, 0}},
        Case{"triangle, zero point at mid-span",
             base(2.0f),
             ReactionShape::Triangle,
             3.0,
             {100, 200 / 3.0, 50, 0, 0, 0, 0}},
        Case{"triangle, zero point inside the front wall",
             base(2.6f),
             ReactionShape::Triangle,
             1.2,
             {100, 20 / 1.2, 0, 0, 0, 0, 0}},
        Case{"triangle towards the heel: the mirror image",
             base(-1.5f),
             ReactionShape::Triangle,
             4.5,
             {0, 0, 0, 150 / 4.5, 300 / 4.5, 350 / 4.5, 100}},
        Case{"triangle towards the heel, zero point inside the rear wall",
             base(-2.6f),
             ReactionShape::Triangle,
             1.2,
             {0, 0, 0, 0, 0, 20 / 1.2, 100}},
        Case{"no toe: VP and V1 share the point 0",
             base(0.5f, 0.0f),
             ReactionShape::Trapezoid,
             20 / 3.0,
             {100, 100, 100 * (20 / 3.0 - 0.5) / (20 / 3.0), 100 * (20 / 3.0 - 2.0) / (20 / 3.0),
              100 * (20 / 3.0 - 3.5) / (20 / 3.0), 40, 25}},
        Case{"no heel: V5 and VR share the point B",
             base(0.5f, 1.0f, 0.0f),
             ReactionShape::Trapezoid,
             20 / 3.0,
             {100, 85, 100 * (20 / 3.0 - 1.5) / (20 / 3.0), 100 * (20 / 3.0 - 3.0) / (20 / 3.0),
              100 * (20 / 3.0 - 4.5) / (20 / 3.0), 25, 25}}));

TEST(GroundReaction, RefusesWhatTheMethodCannotRead) {
    struct Refusal {
        const char* why;
        ReactionInput in;
        ReactionRefusal expected;
    };
    ReactionInput noBase = base(0.0f);
    noBase.B = 0.0f;
    const Refusal cases[] = {
        {"no base width", noBase, ReactionRefusal::NoBase},
        {"resultant at the edge of the base: no contact length", base(3.0f),
         ReactionRefusal::ResultantOutsideBase},
        {"resultant beyond the heel end", base(-4.0f), ReactionRefusal::ResultantOutsideBase},
    };
    for (const Refusal& c : cases) EXPECT_EQ(groundReaction(c.in).refusal, c.expected) << c.why;
}

}  // namespace
}  // namespace pelzaro::members
