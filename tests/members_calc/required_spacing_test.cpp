#include "members/calc/required_spacing.h"

#include <gtest/gtest.h>

#include "close_to.h"

namespace pelzaro::members {
namespace {

constexpr int kD16 = 4, kD25 = 10, kD25D29 = 11;

// Part B of a 50 cm wall: M 2 000 000 N·cm/m, S 30 000 N/m, cover 60 mm; residential-land
// standard, normal case, long-term steel 160 N/mm2, bond 1.4 N/mm2.
SpacingInput row(MemberPart part = MemberPart::B, int bar = kD16) {
    SpacingInput in;
    in.part = part;
    in.M = 2e6f;
    in.S = 30000.0f;
    in.D = 50.0f;
    in.Kaburi = 60.0f;
    in.bar = barKindAt(bar);
    in.standard = DesignStandard::Std_T;
    in.loadCase = CalcCase::Case_N;
    in.Sigma_sa = 160.0f;
    in.Sigma_sa_N = 160.0f;
    in.Tau_0a = 1.4f;
    return in;
}

// d = 50 - 6.8 = 43.2 cm, j = 37.8 cm; At = 2e6/(100·160·37.8) = 3.306878 cm2/m,
// φ = 30000/(100·1.4·37.8) = 5.668934 cm/m; 1.665095 bars for the area against 1.133787 for
// the perimeter: the area governs, 1000/1.665095 = 600.566 mm.
TEST(RequiredSpacing, HandWorkedRow) {
    const SpacingResult r = requiredSpacing(row());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(*r.Tekkin, "D16");
    EXPECT_CLOSE(r.dk, 68.0);
    EXPECT_CLOSE(r.d, 43.2);
    EXPECT_CLOSE(r.j, 37.8);
    EXPECT_CLOSE(r.At, 3.3068783068783065);
    EXPECT_CLOSE(r.PhiReq, 5.6689342403628125);
    EXPECT_CLOSE(r.Honsuu1, 1.6650948171592682);
    EXPECT_CLOSE(r.Honsuu2, 1.1337868480725625);
    EXPECT_CLOSE(r.KankakuReq, 600.5664);
    EXPECT_EQ(spacingCaption(r), "600");
}

TEST(RequiredSpacing, PerimeterGovernsAndTheSlabCentreIgnoresShear) {
    SpacingInput in = row();
    in.S = 90000.0f;  // φ 17.006803 cm/m, 3.401361 bars: more than the area's 1.665095
    const SpacingResult shear = requiredSpacing(in);
    EXPECT_CLOSE(shear.Honsuu, 3.401360544217687);
    EXPECT_CLOSE(shear.KankakuReq, 294.0);

    in.part = MemberPart::C;
    const SpacingResult centre = requiredSpacing(in);
    EXPECT_EQ(centre.PhiReq, 0.0f);
    EXPECT_CLOSE(centre.KankakuReq, 600.5664);
}

// Under the residential-land standard in the normal case the bars from "D25,D29" on are
// designed with 195 N/mm2; the rule follows the area of the row's own bar.
TEST(RequiredSpacing, AllowableSteelStressByBarSize) {
    struct Case {
        const char* why;
        int bar;
        DesignStandard standard;
        CalcCase loadCase;
        float expected;
    };
    const Case cases[] = {
        {"  D25 (5.067 cm2): the long-term value", kD25, DesignStandard::Std_T, CalcCase::Case_N,
         160.0f},
        {"D25,D29 (5.745 cm2, the threshold itself): 195", kD25D29, DesignStandard::Std_T,
         CalcCase::Case_N, 195.0f},
        {"seismic case: the value in use stays", kD25D29, DesignStandard::Std_T, CalcCase::Case_S,
         240.0f},
        {"road guideline: the value in use stays", kD25D29, DesignStandard::Std_D, CalcCase::Case_N,
         240.0f},
    };
    for (const Case& c : cases) {
        SpacingInput in = row(MemberPart::A, c.bar);
        in.standard = c.standard;
        in.loadCase = c.loadCase;
        in.Sigma_sa = 240.0f;  // as the design conditions left it
        EXPECT_EQ(requiredSpacing(in).Sigma_sa, c.expected) << c.why;
    }
}

TEST(RequiredSpacing, NoEntryKeepsTheBarDataOfTheRow) {
    SpacingInput in = row();
    in.bar.reset();
    in.a1 = 1.986f, in.U = 5.0f, in.dk = 68.0f;  // as loaded from a project file
    const SpacingResult r = requiredSpacing(in);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.Tekkin);
    EXPECT_CLOSE(r.KankakuReq, 600.5664);
}

TEST(RequiredSpacing, GuardedDivisorsShowNoSpacing) {
    struct Case {
        const char* why;
        MemberPart part;
        void (*spoil)(SpacingInput&);  // the one thing that leaves a divisor at zero
        SpacingStatus expected;
    };
    const Case cases[] = {
        {"thickness not larger than the bar-centre distance", MemberPart::B,
         [](SpacingInput& in) { in.D = 6.8f; },  // the bar centre lies at the far face
         SpacingStatus::ThicknessNotLargerThanBarCentre},
        {"a bar kind never chosen", MemberPart::B, [](SpacingInput& in) { in.bar.reset(); },
         SpacingStatus::NoBarKind},
        {"zero allowable steel stress", MemberPart::B,
         [](SpacingInput& in) { in.Sigma_sa = in.Sigma_sa_N = 0.0f; },
         SpacingStatus::ZeroAllowableSteelStress},
        {"zero allowable bond stress", MemberPart::B, [](SpacingInput& in) { in.Tau_0a = 0.0f; },
         SpacingStatus::ZeroAllowableBondStress},
        {"no moment and no shear", MemberPart::B, [](SpacingInput& in) { in.M = in.S = 0.0f; },
         SpacingStatus::NoForces},
        {"slab centre without a bond stress: it needs none", MemberPart::C,
         [](SpacingInput& in) { in.Tau_0a = 0.0f; }, SpacingStatus::Ok},
    };
    for (const Case& c : cases) {
        SpacingInput in = row(c.part);
        c.spoil(in);
        const SpacingResult r = requiredSpacing(in);
        EXPECT_EQ(r.status, c.expected) << c.why;
        if (c.expected == SpacingStatus::Ok) continue;
        EXPECT_EQ(r.KankakuReq, 0.0f) << c.why;
        EXPECT_EQ(spacingCaption(r), "") << c.why;
    }
}

TEST(RequiredSpacing, CaptionShowsWholeMillimetres) {
    SpacingResult r;
    r.KankakuReq = 299.99f;
    EXPECT_EQ(spacingCaption(r), "299");
    r.KankakuReq = 187.9f;
    EXPECT_EQ(spacingCaption(r), "187");
}

}  // namespace
}  // namespace pelzaro::members
