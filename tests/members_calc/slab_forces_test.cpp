#include "members/calc/slab_forces.h"

#include <gtest/gtest.h>

#include "close_to.h"
#include "members/calc/ground_reaction.h"

namespace pelzaro::members {
namespace {

// The base of the ground-reaction tests (toe 1.0, front wall 0.5, span 3.0, rear wall 0.5,
// heel 1.0; Sigma_max 100) with the slab loads W1 40.25, heel 67.25/66.6, toe 31.65/30.35.
SlabInput slab(float e) {
    ReactionInput r;
    r.B_Tumasaki = 1.0f;
    r.T2_Mae = 0.5f;
    r.B_Tyuuou = 3.0f;
    r.T2_Usiro = 0.5f;
    r.B_Kakato = 1.0f;
    r.B = 6.0f;
    r.e = e;
    r.Sigma_max = 100.0f;
    const GroundReaction g = groundReaction(r).value;
    SlabInput in;
    in.B = r.B;
    in.e = e;
    in.Sigma_max = r.Sigma_max;
    in.Xn = g.Xn.value_or(123.0f);  // a stale value when uniform: never read
    in.B_Tumasaki = r.B_Tumasaki;
    in.T2_Mae = r.T2_Mae;
    in.B_Tyuuou = r.B_Tyuuou;
    in.T2_Usiro = r.T2_Usiro;
    in.B_Kakato = r.B_Kakato;
    in.VP = g.VP, in.V1 = g.V1, in.V2 = g.V2, in.V3 = g.V3, in.V4 = g.V4, in.V5 = g.V5;
    in.VR = g.VR;
    in.W1 = 40.25f, in.W2 = 67.25f, in.W3 = 66.6f, in.W4 = 31.65f, in.W5 = 30.35f;
    in.H0 = 0.5f;
    in.P_Tokki = 120.0f;
    return in;
}

struct Case {
    const char* why;
    MemberPart part;
    SlabInput in;
    double M, S;  // N·cm/m, N/m
};

class SlabForcesTable : public ::testing::TestWithParam<Case> {};

TEST_P(SlabForcesTable, DesignMomentAndShear) {
    const Case& c = GetParam();
    const auto out = slabForces(c.part, c.in);
    ASSERT_TRUE(out.ok()) << c.why;
    EXPECT_CLOSE(out.value.M, c.M) << c.why;
    EXPECT_CLOSE(out.value.S, c.S) << c.why;
}

// e = 0.5: V2 83.333 > V4 50 over L = 3 (C21 52.5, C22 47.5, C1 30.1875); e = -0.5 swaps
// the ends. e = 0: closed forms L²|W1 - σ|/24, L²|W1 - σ|/12, L|W1 - σ|/2, Lk²σ/2, Lt²σ/2.
INSTANTIATE_TEST_SUITE_P(
    Cases, SlabForcesTable,
    ::testing::Values(
        Case{"C mid-span, trapezoid", MemberPart::C, slab(0.5f), 1040125.897298752, 0},
        Case{"D front end has the larger ordinate: C21, shear share 1/3", MemberPart::D, slab(0.5f),
             2231250.0, 47958.33333333333},
        Case{"E rear end has the smaller ordinate: C22, shear share 1/6", MemberPart::E, slab(0.5f),
             1731250.0, 31291.666666666657},
        Case{"D with the maximum at the heel: the smaller end", MemberPart::D, slab(-0.5f),
             1731250.0, 31291.666666666657},
        Case{"E with the maximum at the heel: the larger end", MemberPart::E, slab(-0.5f),
             2231250.0, 47958.33333333333},
        Case{"F heel, reaction over its whole length", MemberPart::F, slab(0.5f),
             1488981.4814814813, 28036.111111111113},
        Case{"G toe, trapezoid from V1 to VP", MemberPart::G, slab(0.5f), 3275648.148148149,
             63444.444444444445},
        Case{"H shear key: H0² P / 2 and H0 P", MemberPart::H, slab(0.5f), 1.5e6, 60000},
        Case{"C uniform reaction", MemberPart::C, slab(0.0f), 1e5 * 9 * 59.75 / 24, 0},
        Case{"D uniform reaction", MemberPart::D, slab(0.0f), 1e5 * 9 * 59.75 / 12,
             1e3 * 3 * 59.75 / 2},
        Case{"E uniform reaction", MemberPart::E, slab(0.0f), 1e5 * 9 * 59.75 / 12,
             1e3 * 3 * 59.75 / 2},
        Case{"F uniform reaction", MemberPart::F, slab(0.0f), 1e5 * (100 / 2.0 - 200.45 / 6),
             1e3 * (100 - 66.925)},
        Case{"G uniform reaction", MemberPart::G, slab(0.0f), 1e5 * (100 / 2.0 - 92.35 / 6),
             1e3 * (100 - 31.0)},
        Case{"F contact ends on the heel: triangle over a = Xn - 5 = 0.7", MemberPart::F,
             slab(1.1f), 3240540.9356725146, 62626.754385964916},
        Case{"F contact ends before the heel: no reaction on it", MemberPart::F, slab(2.0f),
             1e5 * 200.45 / 6, 1e3 * 66.925},
        Case{"F maximum at the heel, triangle: whole-length formula", MemberPart::F, slab(-2.0f),
             1103611.111111112, 16408.333333333347},
        Case{"G maximum at the heel, toe out of contact: load alone", MemberPart::G, slab(-2.0f),
             1e5 * 92.35 / 6, 1e3 * 31.0},
        Case{"D maximum at the heel, zero exactly at the front wall face: full contact",
             MemberPart::D, slab(-1.5f), 1e5 * (30.1875 - 9 * 66.66666666666667 / 30),
             1e3 * (60.375 - 66.66666666666667 * 3 / 6)}));

TEST(SlabForces, ContactEndingInsideAMemberIsOutsideTheMethod) {
    struct Refusal {
        const char* why;
        MemberPart part;
        float e;
    };
    const Refusal cases[] = {
        {"zero point at mid-span: C", MemberPart::C, 2.0f},
        {"zero point at mid-span: D", MemberPart::D, 2.0f},
        {"zero point at mid-span: E", MemberPart::E, 2.0f},
        {"maximum at the heel, zero point in the span", MemberPart::C, -2.0f},
        {"zero point inside the toe", MemberPart::G, 2.8f},
        {"maximum at the heel, zero point inside the toe", MemberPart::G, -1.1f},
        {"maximum at the heel, zero point inside the heel", MemberPart::F, -2.8f},
    };
    for (const Refusal& c : cases)
        EXPECT_EQ(slabForces(c.part, slab(c.e)).refusal, ForceRefusal::ContactOutsideMethod)
            << c.why;
}

TEST(SlabForces, EqualEndOrdinatesGiveOneResult) {
    // A zero clear span makes V2 = V4 with e != 0; the two trapezoid forms coincide.
    SlabInput in = slab(0.5f);
    in.V4 = in.V2;
    const auto d = slabForces(MemberPart::D, in);
    const auto e = slabForces(MemberPart::E, in);
    ASSERT_TRUE(d.ok());
    ASSERT_TRUE(e.ok());
    EXPECT_CLOSE(d.value.M, e.value.M);
    EXPECT_CLOSE(d.value.S, e.value.S);
    EXPECT_CLOSE(d.value.span.C21, d.value.span.C22);
}

}  // namespace
}  // namespace pelzaro::members
