#include <gtest/gtest.h>

#include "close_to.h"
#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "members/calc/member_state.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/test_host.h"

namespace pelzaro::members {
namespace {

// The member-design page's own calculation procedures on a state left by a stability run. The
// choices are made on the pages first: their reactions invalidate the stability result.
struct Form7Calc : ::testing::Test {
    TestHost host;
    App app{host};
    Form7& page = shownPage();
    Module1& m = app.m;

    Form7& shownPage() {
        Form7& p = app.get<Form7>();
        p.Show();
        return p;
    }

    void stabilityResult() {
        m.B_Tumasaki = 1.0f, m.T2_Mae = 0.5f, m.B_Tyuuou = 3.0f, m.T2_Usiro = 0.5f;
        m.B_Kakato = 1.0f, m.B = 6.0f, m.e = 0.5f, m.Sigma_max = 100.0f;
        m.T1_Usiro = 0.3f, m.N_Usiro_In = 0.1f, m.H3 = 3.0f, m.H4 = 0.5f, m.D_Teiban = 0.5f;
        m.H_Haimen = 2.5f, m.H_Zenmen = 0.8f, m.D_Tumasaki = 0.3f, m.D_Tumasaki_H = 0.2f;
        m.Gamma_S = 18.0f, m.Gamma_C = 24.5f, m.Q_Zenmen = 5.0f;
        m.Phi = 30.0f, m.Delta_Danmen = 15.0f;
    }
    void normalCase() {
        Form3& f3 = app.get<Form3>();
        f3.opt_T.setValue(true);
        f3.opt3.setValue(true);
    }
    void seismicCase(bool seismicPressure) {
        app.get<Form3>().opt4.setValue(true);
        Form25& f25 = app.get<Form25>();
        (seismicPressure ? f25.opt_K1 : f25.opt_K2).setValue(true);
    }
};

TEST_F(Form7Calc, TekkinReadsTheGroundShapeOfThePages) {
    app.get<Form23>().opt1.setValue(true);
    app.get<Form4>().opt3.setValue(true);
    stabilityResult();
    page.TEKKIN();
    EXPECT_CLOSE(m.VR, 100 * 3.0 / 9.0);
    EXPECT_CLOSE(m.W4, 0.8 * 18 + 12.25 + 5);
    EXPECT_CLOSE(m.Theta_Danmen, 1.9091540455898113);

    app.get<Form23>().opt2.setValue(true);  // symmetric: the toe carries the back-soil depth
    stabilityResult();
    page.TEKKIN();
    EXPECT_CLOSE(m.W4, 2.5 * 18 + 12.25 + 5);
}

TEST_F(Form7Calc, DoatuShowsTheCoefficientAsComputed) {
    normalCase();
    stabilityResult();
    page.TEKKIN();  // the back-face angle enters the coefficient
    page.txt_ka.BorderStyle = 1;
    page.Doatu();
    EXPECT_EQ(page.txt_ka.BorderStyle, 0);
    EXPECT_NEAR(m.KA_Danmen, 0.3154, 5e-4);
    EXPECT_EQ(page.txt_ka.Text(), "0.315");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Form7Calc, DoatuTakesMononobeOkabeForTheSeismicEarthPressure) {
    seismicCase(true);
    stabilityResult();
    m.Kh = 0.2f;
    page.Doatu();  // vertical face: the state holds no back-face angle yet
    EXPECT_NEAR(m.ThetaK, 11.31, 1e-2);
    EXPECT_GT(m.KA_Danmen, 0.4f);

    app.get<Form25>().opt_K2.setValue(true);  // wall inertia with normal earth pressure
    page.Doatu();
    EXPECT_LT(m.KA_Danmen, 0.33f);
}

TEST_F(Form7Calc, DoatuEmptiesTheBoxForAnUndefinedCoefficient) {
    seismicCase(true);
    stabilityResult();
    m.Kh = 0.2f;
    m.Kv = 1.0f;
    page.txt_ka.setText("0.300");
    page.Doatu();
    EXPECT_EQ(page.txt_ka.Text(), "");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(host.lastMessage().text, "鉛直震度が1のため、主働土圧係数を計算できません。");
}

}  // namespace
}  // namespace pelzaro::members

namespace pelzaro::members {
namespace {

// A bar kind chosen on the page runs the whole member calculation: ground reaction, forces,
// bar data and required spacing, as worked by hand for the rear wall at its foot.
TEST_F(Form7Calc, ChoosingABarKindDesignsTheRow) {
    normalCase();
    app.get<Form23>().opt1.setValue(true);
    app.get<Form4>().opt3.setValue(true);
    stabilityResult();
    m.Q_Haimen = 10.0f, m.D_Kakato = 0.4f, m.D_Kakato_H = 0.1f, m.H_Tyuuou = 1.0f;
    m.Sigma_ca = 7.0f, m.Sigma_sa = m.Sigma_sa_N = 160.0f, m.Tau_a1 = 0.7f, m.Tau_0a = 1.4f;
    page.txt_ka.setText("0.300");
    page.Show();  // the choices above hid it, as they do
    page.cbo2.pick(4);  // "  D16"
    // c = cos(θ 1.909° + δ 15°); PAX 16.875 c, ΔPAX 7.5 c; M = 1.25 ΔPAX + 2.5/3 PAX.
    EXPECT_CLOSE(m.M_B, 2242423.1235308163);
    EXPECT_CLOSE(m.S_B, 23321.20048472049);
    EXPECT_EQ(m.Tekkin_B, "D16");
    EXPECT_CLOSE(m.KankakuReq_B, 535.6405699691286);  // the bond perimeter governs
    EXPECT_EQ(page.lbl_rb.Caption(), "535");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Form7Calc, ARowOutsideTheMethodWithdrawsItsBarKind) {
    normalCase();
    stabilityResult();
    m.e = 2.0f;  // contact ends at mid-span
    m.Sigma_ca = 7.0f, m.Sigma_sa = m.Sigma_sa_N = 160.0f, m.Tau_0a = 1.4f;
    page.txt_ka.setText("0.300");
    page.Show();
    page.cbo6.pick(4);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_NE(host.lastMessage().text.find("適用範囲外"), std::string::npos);
    EXPECT_EQ(page.cbo6.Text(), "");
    EXPECT_EQ(page.lbl_rf.Caption(), "");
    EXPECT_EQ(m.M_D, 0.0f);
}

}  // namespace
}  // namespace pelzaro::members

namespace pelzaro::members {
namespace {

TEST(MemberOptionsReader, ReadsEveryChoiceByItsControl) {
    TestHost host;
    App app{host};
    EXPECT_EQ(readMemberOptions(app).standard, DesignStandard::None);  // no page created yet
    EXPECT_FALSE(app.isLoaded<Form25>());                        // and none created by reading

    Form3& f3 = app.get<Form3>();
    f3.opt_D.setValue(true);
    f3.opt4.setValue(true);
    app.get<Form25>().opt_D1.setValue(true);
    app.get<Form23>().opt2.setValue(true);
    Form4& f4 = app.get<Form4>();
    f4.opt4.setValue(true);
    f4.chk1.setValue(1);
    app.get<Form7>().chk_1.setValue(1);

    const MemberOptions o = readMemberOptions(app);
    EXPECT_EQ(o.standard, DesignStandard::Std_D);
    EXPECT_EQ(o.loadCase, CalcCase::Case_S);
    EXPECT_EQ(o.method, SeismicMethod::Method_D1);
    EXPECT_EQ(o.shape, GroundShape::Shape_TwoSided);
    EXPECT_EQ(o.frontSoil, FrontSoil::FrontSoil_Out);
    EXPECT_TRUE(o.surchargeReducedBy5);
    EXPECT_TRUE(o.surchargeInertia);
}

}  // namespace
}  // namespace pelzaro::members
