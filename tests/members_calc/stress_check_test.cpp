#include "members/calc/stress_check.h"

#include <gtest/gtest.h>

#include "close_to.h"

namespace pelzaro::members {
namespace {

// M 2 000 000 N·cm/m, S 30 000 N/m, d 40 cm, "  D16" (1.986 cm2) at 200 mm: As 993 mm2/m,
// p 0.0024825, k 0.238193, j1 0.920602.
StressInput worked(DesignStandard standard) {
    StressInput in;
    in.part = MemberPart::B;
    in.M = 2e6f;
    in.S = 30000.0f;
    in.d = 40.0f;
    in.a1 = 1.986f;
    in.spacing = 200.0f;
    in.standard = standard;
    in.loadCase = CalcCase::Case_N;
    in.Sigma_ca = 7.0f;
    in.Sigma_sa = 160.0f;
    in.Sigma_sa_N = 160.0f;
    in.Tau_a1 = 0.7f;
    return in;
}

TEST(StressCheck, WorkedExample) {
    const StressResult t = checkStress(worked(DesignStandard::Std_T));
    ASSERT_TRUE(t.ok());
    EXPECT_CLOSE(t.As, 993.0);
    EXPECT_CLOSE(t.k, 0.2381929);
    EXPECT_CLOSE(t.j1, 0.9206024);
    EXPECT_EQ(t.sigmaCText, "1.140");
    EXPECT_EQ(t.sigmaSText, "54.695");
    EXPECT_EQ(t.tauCText, "0.081");
    EXPECT_EQ(t.Sigma_c, 1.14f);  // the state keeps the shown value
    EXPECT_EQ(t.Sigma_s, 54.695f);
    EXPECT_EQ(t.Tau_c, 0.081f);
    EXPECT_FALSE(t.roadShear);
    EXPECT_TRUE(t.passes);
    EXPECT_EQ(t.verdictText, "O.K");

    const StressResult d = checkStress(worked(DesignStandard::Std_D));
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.tauCText, "0.075");  // S/(b d): no lever-arm ratio
    EXPECT_TRUE(d.roadShear);
    EXPECT_CLOSE(d.Ce, 1.4 - 100 * 0.4 / 700);
    EXPECT_CLOSE(d.Pt, 0.24825);
    EXPECT_CLOSE(d.Cpt, 0.94825);
    EXPECT_CLOSE(d.Tau_ca, 0.94825 * (1.4 - 100 * 0.4 / 700) * 0.7);
}

TEST(StressCheck, SlabCentreHasNoShearCheck) {
    StressInput in = worked(DesignStandard::Std_T);
    in.part = MemberPart::C;
    in.Tau_a1 = 0.0f;  // would fail any shear check
    const StressResult r = checkStress(in);
    EXPECT_EQ(r.tauCText, "――");
    EXPECT_FALSE(r.tauCFails);
    EXPECT_TRUE(r.passes);
}

TEST(StressCheck, VerdictFollowsEachLimit) {
    struct Case {
        const char* why;
        DesignStandard standard;
        float Sigma_ca, Sigma_sa, Tau_a1;
        bool cFails, sFails, tauFails;
    };
    const Case cases[] = {
        {"σc over its limit", DesignStandard::Std_T, 1.1f, 160, 0.7f, true, false, false},
        {"σs over its limit", DesignStandard::Std_T, 7, 54, 0.7f, false, true, false},
        {"τc over τa1", DesignStandard::Std_T, 7, 160, 0.08f, false, false, true},
        {"road: τc 0.075 over τa1 0.07 but within τca 0.089", DesignStandard::Std_D, 7, 160, 0.07f,
         false, false, false},
        {"road: τc over τca", DesignStandard::Std_D, 7, 160, 0.05f, false, false, true},
    };
    for (const Case& c : cases) {
        StressInput in = worked(c.standard);
        in.Sigma_ca = c.Sigma_ca;
        in.Sigma_sa = in.Sigma_sa_N = c.Sigma_sa;
        in.Tau_a1 = c.Tau_a1;
        const StressResult r = checkStress(in);
        EXPECT_EQ(r.sigmaCFails, c.cFails) << c.why;
        EXPECT_EQ(r.sigmaSFails, c.sFails) << c.why;
        EXPECT_EQ(r.tauCFails, c.tauFails) << c.why;
        const bool passes = !c.cFails && !c.sFails && !c.tauFails;
        EXPECT_EQ(r.passes, passes) << c.why;
        EXPECT_EQ(r.verdictText, passes ? "O.K" : "NG") << c.why;
    }
}

// σs 54.695 against the bar-size rule: "  D25" takes the long-term 50 and fails, "D25,D29"
// takes 195 and passes (same spacing, so the areas differ; only the limit matters here).
TEST(StressCheck, AllowableSteelStressSwitchesAtD25D29) {
    StressInput in = worked(DesignStandard::Std_T);
    in.Sigma_sa = in.Sigma_sa_N = 50.0f;
    in.M = 5e6f;
    in.a1 = 5.067f;
    const StressResult d25 = checkStress(in);
    EXPECT_EQ(d25.Sigma_sa, 50.0f);
    in.a1 = 5.745f;
    const StressResult pair = checkStress(in);
    EXPECT_EQ(pair.Sigma_sa, 195.0f);
    EXPECT_GT(d25.sigmaS, 50.0f);
    EXPECT_TRUE(d25.sigmaSFails);
    EXPECT_FALSE(pair.sigmaSFails);
}

TEST(StressCheck, RowWithoutForcesPassesWithZeroStresses) {
    StressInput in = worked(DesignStandard::Std_D);
    in.M = in.S = 0.0f;
    const StressResult r = checkStress(in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.sigmaCText, "0.000");
    EXPECT_EQ(r.sigmaSText, "0.000");
    EXPECT_EQ(r.tauCText, "0.000");
    EXPECT_TRUE(r.passes);
}

TEST(StressCheck, RefusesUndefinedSections) {
    struct Case {
        const char* why;
        float spacing, d, a1;
        StressStatus expected;
    };
    const Case cases[] = {
        {"design spacing zero", 0, 40, 1.986f, StressStatus::SpacingNotPositive},
        {"design spacing negative", -100, 40, 1.986f, StressStatus::SpacingNotPositive},
        {"effective depth zero", 200, 0, 1.986f, StressStatus::DepthNotPositive},
        {"no bar area", 200, 40, 0, StressStatus::NoSteel},
    };
    for (const Case& c : cases) {
        StressInput in = worked(DesignStandard::Std_T);
        in.spacing = c.spacing;
        in.d = c.d;
        in.a1 = c.a1;
        const StressResult r = checkStress(in);
        EXPECT_EQ(r.status, c.expected) << c.why;
        EXPECT_EQ(r.sigmaCText, "") << c.why;
        EXPECT_FALSE(r.passes) << c.why;
    }
}

TEST(ShearFactors, DepthFactorCeAtItsBandLimits) {
    struct Case {
        float dMm;
        double Ce;
    };
    const Case cases[] = {
        {250, 1.4},  {300, 1.4},   {650, 1.2},   {1000, 1.0}, {2000, 0.85},
        {3000, 0.7}, {10000, 0.5}, {20000, 0.5},  // beyond 1000: the guideline's table
    };
    for (const Case& c : cases) EXPECT_CLOSE(depthFactorCe(c.dMm), c.Ce) << c.dMm;
}

TEST(ShearFactors, SteelRatioFactorCptAtItsBandLimits) {
    struct Case {
        float Pt;
        double Cpt;
    };
    const Case cases[] = {
        {0.05f, 0.7}, {0.1f, 0.7}, {0.15f, 0.8},  {0.2f, 0.9}, {0.25f, 0.95}, {0.3f, 1.0},
        {0.4f, 1.1},  {0.5f, 1.2}, {0.75f, 1.35}, {1.0f, 1.5}, {1.6f, 1.5},
    };
    for (const Case& c : cases) EXPECT_CLOSE(steelRatioFactorCpt(c.Pt), c.Cpt) << c.Pt;
}

}  // namespace
}  // namespace pelzaro::members
