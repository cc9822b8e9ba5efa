// The pure rules of the design conditions against textbook values and their refusals.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "conditions/allowable_stress.h"
#include "conditions/earth_pressure.h"
#include "conditions/seismic.h"
#include "numeric/format.h"

namespace pelzaro {
namespace {

struct StressCase {
    const char* why;
    DesignStandard standard;
    float Fc, Qa_N, Kh;
    float tauA1N, tauA1S, tau0aN, tau0aS, sigmaCaN, sigmaCaS, qaS;
};

class AllowableStressTable : public ::testing::TestWithParam<StressCase> {};

TEST_P(AllowableStressTable, DerivesLongAndShortTerm) {
    const StressCase& c = GetParam();
    AllowableOutcome out = allowableStresses(c.standard, c.Fc, c.Qa_N, c.Kh, {});
    ASSERT_EQ(out.refusal, StressRefusal::None) << c.why;
    const AllowableStresses& a = out.value;
    EXPECT_FLOAT_EQ(a.Tau_a1_N, c.tauA1N) << c.why;
    EXPECT_FLOAT_EQ(a.Tau_a1_S, c.tauA1S) << c.why;
    EXPECT_FLOAT_EQ(a.Tau_0a_N, c.tau0aN) << c.why;
    EXPECT_FLOAT_EQ(a.Tau_0a_S, c.tau0aS) << c.why;
    EXPECT_FLOAT_EQ(a.Sigma_ca_N, c.sigmaCaN) << c.why;
    EXPECT_FLOAT_EQ(a.Sigma_ca_S, c.sigmaCaS) << c.why;
    EXPECT_FLOAT_EQ(a.Qa_S, c.qaS) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, AllowableStressTable,
    ::testing::Values(
        // why, standard, Fc, Qa_N, Kh, tauA1N, tauA1S, tau0aN, tau0aS, sigmaCaN, sigmaCaS, qaS
        StressCase{"Fc 21: both shear candidates 0.7, bond 1.4 < 1.46", DesignStandard::Std_T, 21,
                   100, 0.2f, 0.7f, 1.4f, 1.4f, 2.8f, 7, 14, 200},
        StressCase{"Fc 30: shear min(1.0, 0.79), bond min(2.0, 1.7)", DesignStandard::Std_T, 30,
                   100, 0, 0.79f, 1.58f, 1.7f, 3.4f, 10, 20, 200},
        StressCase{"Kh just below the large-earthquake level: 2 x", DesignStandard::Std_T, 24, 150,
                   0.2499f, 0.73f, 1.46f, 1.54f, 3.08f, 8, 16, 300},
        StressCase{"Kh 0.25 is the large-earthquake level: 3 x", DesignStandard::Std_T, 24, 150,
                   0.25f, 0.73f, 1.46f, 1.54f, 3.08f, 8, 16, 450},
        StressCase{"sigma_ck 21: first row of the road table", DesignStandard::Std_D, 21, 200, 0.3f,
                   0.22f, 0.33f, 1.4f, 2.1f, 7, 10.5f, 300},
        StressCase{"sigma_ck 23.9 stays in the 21 row", DesignStandard::Std_D, 23.9f, 200, 0, 0.22f,
                   0.33f, 1.4f, 2.1f, 23.9f / 3, 1.5f * (23.9f / 3), 300},
        StressCase{"sigma_ck 24", DesignStandard::Std_D, 24, 200, 0, 0.23f, 0.345f, 1.6f, 2.4f, 8,
                   12, 300},
        StressCase{"sigma_ck 27", DesignStandard::Std_D, 27, 200, 0, 0.24f, 0.36f, 1.7f, 2.55f, 9,
                   13.5f, 300},
        StressCase{"sigma_ck 30 and above", DesignStandard::Std_D, 40, 200, 0.3f, 0.25f, 0.375f,
                   1.8f, 2.7f, 40.0f / 3, 20, 300},
        StressCase{"road: short-term bearing 1.5 x whatever Kh", DesignStandard::Std_D, 30, 100,
                   0.3f, 0.25f, 0.375f, 1.8f, 2.7f, 10, 15, 150},
        StressCase{"sigma_ck below the table: no allowable shear or bond, never stale",
                   DesignStandard::Std_D, 18, 100, 0, 0, 0, 0, 0, 6, 9, 150}));

TEST(AllowableStress, NoStandardKeepsThePreviousValues) {
    AllowableStresses before;
    before.Tau_a1_N = 0.5f;
    before.Qa_S = 42;
    AllowableOutcome out = allowableStresses(DesignStandard::None, 30, 100, 0, before);
    EXPECT_FLOAT_EQ(out.value.Tau_a1_N, 0.5f);
    EXPECT_FLOAT_EQ(out.value.Qa_S, 42);
}

TEST(AllowableStress, BearingBeyondSinglePrecisionIsRefused) {
    AllowableOutcome out = allowableStresses(DesignStandard::Std_T, 30, 3e38f, 0.3f, {});
    EXPECT_EQ(out.refusal, StressRefusal::BeyondSingle);
    EXPECT_FLOAT_EQ(out.value.Qa_S, 0);
}

TEST(AllowableStress, ValuesInUseFollowTheCase) {
    AllowableStresses a = allowableStresses(DesignStandard::Std_T, 21, 100, 0.2f, {}).value;
    ValuesInUse normal = valuesInUse(CalcCase::Case_N, a, 100, 180, 0, {});
    EXPECT_FLOAT_EQ(normal.Sigma_sa, 180);
    EXPECT_FLOAT_EQ(normal.Qa, 100);
    EXPECT_FLOAT_EQ(normal.Tau_a1, 0.7f);
    ValuesInUse seismic = valuesInUse(CalcCase::Case_S, a, 100, 180, 295, {});
    EXPECT_FLOAT_EQ(seismic.Sigma_sa, 295);  // typed, not derived
    EXPECT_FLOAT_EQ(seismic.Qa, 200);
    EXPECT_FLOAT_EQ(seismic.Sigma_ca, 14);
}

TEST(EarthPressure, CoulombTextbookValues) {
    EXPECT_EQ(Format(coulomb(30, 20, 0, 0).value.KA, "0.00#"), "0.297");
    EXPECT_EQ(Format(coulomb(30, 0, 0, 0).value.KA, "0.00#"), "0.333");
}

TEST(EarthPressure, MononobeOkabeTextbookValue) {
    SeismicAngleOutcome a = seismicAngle(0.2f, 0);
    EXPECT_EQ(Format(a.ThetaK, "0.00"), "11.31");
    EarthPressureOutcome mo = mononobeOkabe(30, 15, 0, 0, 0, a.ThetaK);
    ASSERT_EQ(mo.refusal, CalcRefusal::None);
    EXPECT_EQ(Format(mo.value.KA, "0.00#"), "0.452");
}

TEST(EarthPressure, CompositeAngleBeyondPhiDropsTheRootTerm) {
    SeismicAngleOutcome a = seismicAngle(0.3f, 0);
    EXPECT_EQ(Format(a.ThetaK, "0.00"), "16.70");
    EarthPressureOutcome mo = mononobeOkabe(10, 5, 0, 0, 0, a.ThetaK);
    EXPECT_FLOAT_EQ(mo.value.KA_SinPhiBeta, 0);
    EXPECT_EQ(Format(mo.value.KA, "0.000"), "1.108");
}

TEST(EarthPressure, VerticalCoefficientStandsInTheNumerator) {
    SeismicAngleOutcome a = seismicAngle(0.2f, 0.1f);
    EarthPressureOutcome mo = mononobeOkabe(30, 15, 0, 0, 0.1f, a.ThetaK);
    double expectedNum = 0.9 * std::pow(std::cos((30.0 - a.ThetaK) * 3.14159 / 180), 2);
    EXPECT_NEAR(mo.value.KA_Num, expectedNum, 1e-6);
}

struct RefusalCase {
    const char* why;
    float phi, delta, Kh, Kv;
    bool seismic;
    CalcRefusal expected;
};

class EarthPressureRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(EarthPressureRefusals, RefuseInsteadOfInfinityOrNaN) {
    const RefusalCase& c = GetParam();
    CalcRefusal got = CalcRefusal::None;
    float ka = 0;
    if (c.seismic) {
        SeismicAngleOutcome a = seismicAngle(c.Kh, c.Kv);
        got = a.refusal;
        if (got == CalcRefusal::None) {
            EarthPressureOutcome mo = mononobeOkabe(c.phi, c.delta, 0, 0, c.Kv, a.ThetaK);
            got = mo.refusal;
            ka = mo.value.KA;
        }
    } else {
        EarthPressureOutcome co = coulomb(c.phi, c.delta, 0, 0);
        got = co.refusal;
        ka = co.value.KA;
    }
    EXPECT_EQ(got, c.expected) << c.why;
    EXPECT_TRUE(std::isfinite(ka)) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EarthPressureRefusals,
    ::testing::Values(RefusalCase{"delta 90: cos(delta) is the divisor", 30, 90, 0, 0, false,
                                  CalcRefusal::AngleSumAt90},
                      RefusalCase{"phi + delta above 180: negative root", 170, 20, 0, 0, false,
                                  CalcRefusal::NegativeRoot},
                      RefusalCase{"Kv = 1: 1 - Kv is the divisor of theta k", 30, 15, 0.2f, 1, true,
                                  CalcRefusal::KvAtLeastOne},
                      RefusalCase{"Kv above 1 would turn the coefficient negative", 30, 15, 0.2f,
                                  1.5f, true, CalcRefusal::KvAtLeastOne},
                      RefusalCase{"delta + theta k reaching 90", 30, 80, 0.2f, 0, true,
                                  CalcRefusal::AngleSumAt90},
                      RefusalCase{"ordinary seismic input is computed", 30, 15, 0.2f, 0, true,
                                  CalcRefusal::None}));

TEST(WallFriction, TextbookDerivation) {
    SeismicAngleOutcome a = seismicAngle(0.2f, 0);
    WallFrictionOutcome w = wallFriction(a.ThetaK, 0, 30);
    ASSERT_EQ(w.refusal, CalcRefusal::None);
    EXPECT_NEAR(w.value.Sin_DDelta, 0.392, 0.001);
    EXPECT_EQ(Format(w.value.DDelta, "0.00"), "23.09");
    EXPECT_NEAR(w.value.Tan_Delta, 0.481, 0.001);
    EXPECT_EQ(Format(w.value.Delta, "0.00"), "25.68");
}

TEST(WallFriction, PhiZeroAndImpossibleAnglesAreRefused) {
    EXPECT_EQ(wallFriction(-5, 0, 0).refusal, CalcRefusal::PhiZero);
    EXPECT_EQ(wallFriction(40, 0, 30).refusal, CalcRefusal::NoWallFriction);  // sin > 1
}

TEST(BaseFriction, TanPhiB) {
    EXPECT_EQ(Format(baseFriction(30).Mu, "0.00#"), "0.577");
    EXPECT_EQ(Format(baseFriction(35).Mu, "0.00#"), "0.70");
}

struct JisinCase {
    const char* why;
    DesignStandard standard;
    double text1, text2;
    Zone zone;
    float Kh, Kv;
    double Cz;
};

class JisinTable : public ::testing::TestWithParam<JisinCase> {};

TEST_P(JisinTable, Coefficients) {
    const JisinCase& c = GetParam();
    SeismicCoefficients before{0.15f, 0.05f, 0.0, 0.7};
    SeismicOutcome out = seismicCoefficients(c.standard, c.text1, c.text2, c.zone, before);
    ASSERT_EQ(out.refusal, SeismicRefusal::None) << c.why;
    EXPECT_FLOAT_EQ(out.value.Kh, c.Kh) << c.why;
    EXPECT_FLOAT_EQ(out.value.Kv, c.Kv) << c.why;
    EXPECT_DOUBLE_EQ(out.value.Cz, c.Cz) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Table, JisinTable,
    ::testing::Values(
        JisinCase{"residential: Kh typed", DesignStandard::Std_T, 0.25, 0, Zone::A, 0.25f, 0, 0.7},
        JisinCase{"road: Kho 0.2 zone B gives 0.17", DesignStandard::Std_D, 0.2, 0.1, Zone::B,
                  0.17f, 0.1f, 0.85},
        JisinCase{"road: zone C", DesignStandard::Std_D, 0.2, 0, Zone::C, 0.14f, 0, 0.7},
        JisinCase{"road without zone keeps Cz", DesignStandard::Std_D, 0.2, 0, Zone::None,
                  static_cast<float>(0.2 * 0.7), 0, 0.7},
        JisinCase{"no standard: Kh stays, Kv stored", DesignStandard::None, 0.3, 0.1, Zone::A,
                  0.15f, 0.1f, 0.7}));

TEST(Jisin, BeyondSinglePrecisionChangesNothing) {
    SeismicCoefficients before{0.15f, 0.05f, 0.0, 0.7};
    SeismicOutcome out = seismicCoefficients(DesignStandard::Std_T, 1e39, 0, Zone::None, before);
    EXPECT_EQ(out.refusal, SeismicRefusal::KhBeyondSingle);
    EXPECT_FLOAT_EQ(out.value.Kh, 0.15f);
    out = seismicCoefficients(DesignStandard::Std_T, 0.2, 1e39, Zone::None, before);
    EXPECT_EQ(out.refusal, SeismicRefusal::KvBeyondSingle);
    EXPECT_FLOAT_EQ(out.value.Kv, 0.05f);
}

}  // namespace
}  // namespace pelzaro
