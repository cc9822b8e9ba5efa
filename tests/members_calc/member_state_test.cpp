#include "members/calc/member_state.h"

#include <gtest/gtest.h>

#include "close_to.h"
#include "state/module1.h"

namespace pelzaro::members {
namespace {

// The design state after a stability run of the base used by the calculation tests: toe 1.0,
// front wall 0.5, span 3.0, rear wall 0.5 (top 0.3, inner batter 0.1), heel 1.0, slab 0.5 m.
class MemberState : public ::testing::Test {
  protected:
    void SetUp() override {
        m.B_Tumasaki = 1.0f, m.T2_Mae = 0.5f, m.B_Tyuuou = 3.0f, m.T2_Usiro = 0.5f;
        m.B_Kakato = 1.0f, m.B = 6.0f;
        m.T1_Usiro = 0.3f, m.N_Usiro_In = 0.1f, m.N_Usiro_Out = 0.1f, m.B_Haimen = 1.1f;
        m.H3 = 3.0f, m.H4 = 0.5f, m.D_Teiban = 0.5f, m.H_Haimen = 2.5f, m.H_Tyuuou = 1.0f;
        m.D_Kakato = 0.4f, m.D_Kakato_H = 0.1f, m.D_Tumasaki = 0.3f, m.D_Tumasaki_H = 0.2f;
        m.H_Zenmen = 0.8f;
        m.Q_Haimen = 10.0f, m.Q_Tyuuou = 10.0f, m.Q_Zenmen = 5.0f;
        m.Gamma_S = 18.0f, m.Gamma_C = 24.5f;
        m.Sigma_max = 100.0f;
        m.Sigma_ca = 7.0f, m.Sigma_sa = 160.0f, m.Sigma_sa_N = 160.0f, m.Tau_a1 = 0.7f;
        m.Tau_0a = 1.4f;
        o.standard = DesignStandard::Std_T;
        o.loadCase = CalcCase::Case_N;
        o.shape = GroundShape::Shape_OneSided;
        o.frontSoil = FrontSoil::FrontSoil_In;
    }
    void resultantAt(float e) {
        m.e = e;
        ASSERT_EQ(computeGroundReaction(m, o), ReactionRefusal::None);
    }
    Module1 m;
    MemberOptions o;
};

TEST_F(MemberState, NoOrdinateSurvivesFromAnEarlierRun) {
    resultantAt(0.5f);   // every ordinate positive
    resultantAt(-1.5f);  // heel-side triangle: toe side out of contact
    EXPECT_EQ(m.VP, 0.0f);
    EXPECT_EQ(m.V1, 0.0f);
    EXPECT_EQ(m.V2, 0.0f);
    EXPECT_CLOSE(m.V3, 100 * 1.5 / 4.5);
    EXPECT_EQ(m.VR, 100.0f);
    EXPECT_CLOSE(m.Xn, 4.5);
    resultantAt(0.0f);  // uniform: Xn keeps the last contact length
    EXPECT_EQ(m.VP, 100.0f);
    EXPECT_CLOSE(m.Xn, 4.5);
}

TEST_F(MemberState, LoadsAndAngleWrittenWithTheReaction) {
    resultantAt(0.5f);
    EXPECT_CLOSE(m.W1, 40.25);
    EXPECT_CLOSE(m.W3, 66.6);
    EXPECT_CLOSE(m.W5, 30.35);
    EXPECT_CLOSE(m.Theta_Danmen, 1.9091540455898113);
    m.B_Kakato = 0.0f;  // the heel removed: its loads do not linger
    m.B = 5.0f;
    resultantAt(0.5f);
    EXPECT_EQ(m.W2, 0.0f);
    EXPECT_EQ(m.W3, 0.0f);
}

TEST_F(MemberState, RefusedPartKeepsNoEarlierForce) {
    resultantAt(0.5f);
    ASSERT_EQ(computePartForces(m, MemberPart::C, o), ForceRefusal::None);
    EXPECT_CLOSE(m.M_C, 1040125.897298752);
    EXPECT_CLOSE(m.C21, 52.5);
    resultantAt(2.0f);  // the reaction now ends at mid-span
    EXPECT_EQ(computePartForces(m, MemberPart::C, o), ForceRefusal::ContactOutsideMethod);
    EXPECT_EQ(m.M_C, 0.0f);
    EXPECT_EQ(m.M2_C, 0.0f);
    EXPECT_EQ(m.C21, 0.0f);
    EXPECT_EQ(m.C22, 0.0f);
}

TEST_F(MemberState, SlabPartsRefuseAReactionTheyCannotRead) {
    resultantAt(0.5f);
    m.e = 3.0f;  // resultant at the base edge
    EXPECT_NE(computeGroundReaction(m, o), ReactionRefusal::None);
    EXPECT_EQ(m.V1, 0.0f);
    EXPECT_EQ(computePartForces(m, MemberPart::G, o), ForceRefusal::NoBase);
    EXPECT_EQ(m.M_G, 0.0f);
}

TEST_F(MemberState, WallRowFromForcesToStresses) {
    resultantAt(0.5f);
    m.KA_Danmen = 0.3f, m.Delta_Danmen = 15.0f;
    m.Theta_Danmen = 2.0f;  // as in the hand-worked wall
    ASSERT_EQ(computePartForces(m, MemberPart::B, o), ForceRefusal::None);
    EXPECT_CLOSE(m.M_B, 2241339.443522509);
    const SpacingResult s = computeSpacing(m, MemberPart::B, 4, 60.0f, o);  // "  D16"
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(m.Tekkin_B, "D16");
    EXPECT_EQ(m.Kaburi_B, 60.0f);
    EXPECT_CLOSE(m.dk_B, 68.0);
    EXPECT_CLOSE(m.d_B, 43.2);
    EXPECT_EQ(m.KankakuReq_B, s.KankakuReq);
    const StressResult r = computeStress(m, MemberPart::B, 150.0f, o);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(m.Kankaku_B, 150.0f);
    EXPECT_EQ(m.Sigma_c_B, r.Sigma_c);
    EXPECT_EQ(m.Tau_c_B, r.Tau_c);
    EXPECT_EQ(m.Ce_B, 0.0f);  // the road guideline's factors only under that guideline
}

TEST_F(MemberState, AllowableSteelStressFollowsThePartHandledLast) {
    m.M_A = m.M_C = 2e6f;
    m.S_A = 30000.0f;
    computeSpacing(m, MemberPart::A, 12, 60.0f, o);  // "  D29": 195
    EXPECT_EQ(m.Sigma_sa, 195.0f);
    computeSpacing(m, MemberPart::C, 2, 60.0f, o);  // "  D13": the long-term value again
    EXPECT_EQ(m.Sigma_sa, 160.0f);
}

TEST_F(MemberState, CoefficientOfTheMemberDesign) {
    m.Phi = 30.0f, m.Delta_Danmen = 15.0f, m.Theta_Danmen = 2.0f;
    ASSERT_TRUE(computeMemberCoefficient(m, o).ok());
    EXPECT_CLOSE(m.KA_Danmen, 0.3155815273992297);
    EXPECT_EQ(m.ThetaK, 0.0f);  // Coulomb writes no seismic angle
    o.loadCase = CalcCase::Case_S;
    o.method = SeismicMethod::Method_K1;
    m.Kh = 0.2f;
    ASSERT_TRUE(computeMemberCoefficient(m, o).ok());
    EXPECT_CLOSE(m.KA_Danmen, 0.46825584483625043);
    EXPECT_CLOSE(m.ThetaK, 11.30994202711956);
    m.Kv = 1.0f;  // undefined: the coefficient stays as it was
    EXPECT_EQ(computeMemberCoefficient(m, o).refusal, CoefficientRefusal::VerticalUnity);
    EXPECT_CLOSE(m.KA_Danmen, 0.46825584483625043);
}

}  // namespace
}  // namespace pelzaro::members
