// The design-conditions page: standard and case switching, soil lists, the coefficient buttons
// and options, and the refusals of the coefficient calculations.

#include <cmath>
#include <string>

#include "conditions_fixture.h"
#include "numeric/format.h"
#include "stability/form14.h"
#include "stability/form21.h"

namespace pelzaro {
namespace {

TEST_F(ConditionsPage, NewPageInitialState) {
    Form3& p = f();
    EXPECT_TRUE(p.opt3.Value());
    EXPECT_FALSE(p.opt_T.Value() || p.opt_D.Value());
    EXPECT_FALSE(p.opt1.Value() || p.opt2.Value() || p.opt5.Value() || p.opt6.Value());
    EXPECT_TRUE(p.opt8.Value());
    EXPECT_EQ(p.txt14.Text(), "0");
    EXPECT_EQ(p.txt14.BorderStyle, 0);
    EXPECT_EQ(p.txt9.BorderStyle, 0);
    EXPECT_EQ(p.txt15.BorderStyle, 0);
    EXPECT_EQ(p.txt2.BorderStyle, 1);
    EXPECT_FALSE(p.cmd4.Enabled());
    EXPECT_FALSE(p.cmd7.Enabled());
    EXPECT_FALSE(p.txt13.Visible());
    EXPECT_EQ(p.cbo1.ListCount(), 7);
    EXPECT_EQ(p.cbo1.List(0), "岩");
    EXPECT_TRUE(wholeTextSelected(p.txt1));
}

TEST_F(ConditionsPage, RoadStandardRelabelsRefillsAndKeepsNumbers) {
    fillNormalCase();
    f().opt_D.click();
    EXPECT_EQ(f().cbo1.ListCount(), 6);
    EXPECT_EQ(f().cbo1.List(0), "岩盤");
    EXPECT_EQ(f().cbo1.Text(), "");
    EXPECT_EQ(f().cbo2.Text(), "");
    EXPECT_EQ(f().lbl56.Caption(), "コンクリートの設計基準強度：σck=");
    EXPECT_EQ(f().lbl54.Caption(), "地盤の許容支持力度（長期）：qa=");
    EXPECT_EQ(f().lbl10.Caption(), "せん断抵抗角：φ=");
    EXPECT_EQ(f().lbl14.Caption(), "せん断抵抗角：φ=");
    EXPECT_EQ(f().txt2.Text(), "21");
    EXPECT_FALSE(f().txt15.Text().empty());
    EXPECT_TRUE(wholeTextSelected(f().txt2));
    f().opt_T.click();
    EXPECT_EQ(f().lbl54.Caption(), "地盤の許容応力度（長期）：fe=");
    EXPECT_EQ(f().lbl10.Caption(), "内部摩擦角：φ=");
}

TEST_F(ConditionsPage, SeismicThenNormalCase) {
    fillNormalCase();
    f().cmd2.click();
    EXPECT_TRUE(f().opt4.Value());
    EXPECT_TRUE(f().txt13.Visible() && f().lbl46.Visible() && f().lbl47.Visible());
    EXPECT_TRUE(f().cmd7.Enabled());
    EXPECT_TRUE(f().cmd4.Enabled());
    EXPECT_EQ(f().txt15.Text(), "");
    EXPECT_EQ(f().txt10.Text(), "");
    EXPECT_FALSE(f().opt2.Value());

    f().txt13.type("295");
    answerSeismicDialog(&Form25::opt_K1, "0.2", "0.1");
    f().cmd4.click();
    app.get<Form14>();
    f().cmd2.click();  // the seismic dialog survives, the normal check-method dialog does not
    EXPECT_TRUE(app.get<Form25>().opt_K1.Value());
    EXPECT_FALSE(app.isLoaded<Form14>());
    EXPECT_EQ(f().txt13.Text(), "295");

    app.get<Form21>();
    f().cmd1.click();
    EXPECT_TRUE(f().opt3.Value());
    EXPECT_FALSE(f().txt13.Visible());
    EXPECT_EQ(f().txt13.Text(), "");
    EXPECT_FLOAT_EQ(app.m.Sigma_sa_S, 0);
    EXPECT_FLOAT_EQ(app.m.Kh, 0);
    EXPECT_FLOAT_EQ(app.m.Kv, 0);
    EXPECT_FALSE(f().cmd4.Enabled());
    EXPECT_FALSE(f().cmd7.Enabled());
    EXPECT_TRUE(f().cmd5.Enabled());
    EXPECT_TRUE(f().opt1.Enabled());
    EXPECT_FALSE(app.isLoaded<Form21>());
    EXPECT_FALSE(app.get<Form25>().opt_K1.Value());  // opens empty next time
}

TEST_F(ConditionsPage, IndicatorsCannotBeChangedByAClick) {
    fillNormalCase();
    for (OptionButton* o : {&f().opt1, &f().opt4}) o->click();
    EXPECT_TRUE(f().opt3.Value());
    EXPECT_TRUE(f().opt2.Value());
    EXPECT_FALSE(f().opt1.Value());
    // Code (loading a project) still sets them.
    f().opt4.setValue(true);
    EXPECT_TRUE(f().opt4.Value());
}

TEST_F(ConditionsPage, ComputedKaIsShownWithoutBorderAndFocusMovesOn) {
    fillNormalCase();
    EXPECT_EQ(f().txt15.Text(), "0.297");
    EXPECT_EQ(f().txt15.BorderStyle, 0);
    EXPECT_TRUE(f().opt2.Value());
    EXPECT_TRUE(f().cmd3.hasFocus());
    // 0.2973 computed, taken as the box shows it: a wall page left in front calculates with
    // the KA that "地盤の形状 >", the preview and a reopened file read from the box.
    EXPECT_EQ(app.m.KA, 0.297f);
    f().txt10.setText("0");
    f().cmd6.click();
    EXPECT_EQ(f().txt15.Text(), "0.333");
}

TEST_F(ConditionsPage, SeismicEarthPressureByMononobeOkabe) {
    fillNormalCase();
    makeSeismic();
    EXPECT_EQ(f().txt15.Text(), "0.452");
    EXPECT_EQ(Format(app.m.ThetaK, "0.00"), "11.31");
}

TEST_F(ConditionsPage, KaButtonChecksPhiAndDeltaFirst) {
    f().opt_D.click();
    f().cmd6.click();
    EXPECT_EQ(host.lastMessage().text, "せん断抵抗角を入力してください。");
    EXPECT_TRUE(caretAtStartOf(f().txt8));
    f().txt8.type("30");
    f().cmd6.click();
    EXPECT_EQ(host.lastMessage().text, "壁背面と土との間の壁面摩擦角を入力してください。");
    EXPECT_TRUE(caretAtStartOf(f().txt10));
}

// A refused "計算する" leaves the field, the KA source and the design state as they were.
class RefusedKa : public ConditionsPage {
  protected:
    void expectUnchanged(const std::string& ka, bool typed, float stateKa, bool computed = false) {
        EXPECT_EQ(f().txt15.Text(), ka);
        EXPECT_EQ(f().opt1.Value(), typed);
        EXPECT_EQ(f().opt2.Value(), computed);
        EXPECT_FLOAT_EQ(app.m.KA, stateKa);
        EXPECT_FALSE(f().cmd3.hasFocus());
    }
};

TEST_F(RefusedKa, MuMissing) {
    fillNormalCase();
    f().cmd5.click();
    f().txt15.type("0.4");
    float before = app.m.KA;
    f().txt9.setText("");
    f().cmd6.click();
    EXPECT_EQ(host.lastMessage().text, "底盤の摩擦係数を入力してください。");
    EXPECT_TRUE(caretAtStartOf(f().txt9));
    expectUnchanged("0.4", true, before);
}

TEST_F(RefusedKa, SeismicWithoutLoadMethod) {
    fillNormalCase();
    f().cmd2.click();
    f().txt10.type("15");
    float before = app.m.KA;
    f().cmd6.click();
    EXPECT_EQ(host.lastMessage().text, "地震時水平荷重の計算方法を選択してください。");
    expectUnchanged("", false, before);
}

TEST_F(RefusedKa, VerticalCoefficientOfOne) {
    fillNormalCase();
    f().cmd2.click();
    answerSeismicDialog(&Form25::opt_K1, "0.2", "1");
    f().cmd4.click();
    f().txt10.type("15");
    float before = app.m.KA;
    f().cmd6.click();
    EXPECT_EQ(host.lastMessage().text, "鉛直震度は1未満にしてください。");
    expectUnchanged("", false, before);
    EXPECT_TRUE(std::isfinite(app.m.ThetaK));
}

TEST_F(RefusedKa, WallFrictionAtNinetyDegrees) {
    fillNormalCase();
    f().txt10.setText("90");
    float before = app.m.KA;
    f().cmd6.click();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.lastMessage().text.find("90"), std::string::npos);
    expectUnchanged("0.297", false, before, true);
}

TEST_F(RefusedKa, ValueBeyondSinglePrecision) {
    fillNormalCase();
    f().txt8.setText("1e39");
    float before = app.m.KA;
    f().cmd6.click();
    EXPECT_EQ(host.lastMessage().text, "内部摩擦角が大きすぎます。正しい値を入力してください。");
    expectUnchanged("0.297", false, before, true);
    EXPECT_TRUE(std::isfinite(app.m.Phi));
}

TEST_F(ConditionsPage, DeltaButtonOnTheVirtualBackFace) {
    fillNormalCase();
    makeSeismic();
    f().txt8.setText("30");
    f().cmd7.click();
    EXPECT_EQ(f().txt10.Text(), "25.68");
    EXPECT_EQ(app.m.Flg_DeltaCalc, 1);
    // The composite angle reaches phi: delta = phi.
    f().txt8.setText("10");
    app.m.Kh = 0.3f;
    f().cmd7.click();
    EXPECT_EQ(f().txt10.Text(), "10.00");
}

TEST_F(ConditionsPage, DeltaButtonRefusesPhiZeroWithNegativeKh) {
    fillNormalCase();
    makeSeismic();
    f().txt10.setText("15");
    f().txt8.setText("0");
    app.m.Kh = -0.2f;
    f().cmd7.click();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(f().txt10.Text(), "15");
    EXPECT_TRUE(std::isfinite(app.m.Delta));
}

TEST_F(ConditionsPage, TanPhiOption) {
    fillNormalCase();
    f().opt6.click();
    EXPECT_EQ(f().txt9.Text(), "0.577");
    EXPECT_EQ(f().txt9.BorderStyle, 0);
    EXPECT_TRUE(wholeTextSelected(f().txt9));
    EXPECT_FLOAT_EQ(app.m.Phi_B, 30);
}

TEST_F(ConditionsPage, TanPhiWithoutFoundationAngleChangesNeitherMuNorKa) {
    fillNormalCase();
    f().txt11.setText("");
    f().opt6.click();
    EXPECT_EQ(host.lastMessage().text, "内部摩擦角を入力してください。");
    EXPECT_TRUE(caretAtStartOf(f().txt11));
    EXPECT_EQ(f().txt9.Text(), "0.5");
    EXPECT_FALSE(f().opt6.Value());
    EXPECT_TRUE(f().opt2.Value());
}

TEST_F(ConditionsPage, CohesionOptions) {
    f().opt7.click();
    EXPECT_EQ(f().txt14.BorderStyle, 1);
    EXPECT_TRUE(wholeTextSelected(f().txt14));
    f().txt14.type("10");
    f().opt8.click();
    EXPECT_EQ(f().txt14.Text(), "0");
    EXPECT_EQ(f().txt14.BorderStyle, 0);
}

TEST_F(ConditionsPage, SoilListLeavesTheMemberPageAlone) {
    fillNormalCase();
    app.get<Form4>().Show();
    app.get<Form7>().Show();
    f().cbo1.pick(3);
    EXPECT_TRUE(app.get<Form7>().Visible());
    EXPECT_TRUE(app.get<Form4>().Visible());
    f().cbo1.pressEnter();
    EXPECT_TRUE(wholeTextSelected(f().txt8));
    f().cbo2.pressEnter();
    EXPECT_TRUE(wholeTextSelected(f().txt14));
}

TEST_F(ConditionsPage, HensuuReadsLenientlyAndDerivesForTheCase) {
    fillNormalCase();
    f().txt2.setText("24abc");
    f().txt3.setText("xyz");
    f().HENSUU();
    EXPECT_FLOAT_EQ(app.m.Fc, 24);
    EXPECT_FLOAT_EQ(app.m.Sigma_sa_N, 0);
    EXPECT_FLOAT_EQ(app.m.Sigma_sa, 0);
    EXPECT_FLOAT_EQ(app.m.Tau_a1, 0.73f);
    EXPECT_FLOAT_EQ(app.m.Sigma_sa_S, 0);  // the hidden, empty short-term field
    EXPECT_FLOAT_EQ(app.m.Beta, 0);
}

TEST_F(ConditionsPage, ActivationMarksThePageAndHidesTheLaterOnes) {
    app.get<Form4>().Show();
    app.get<Form7>().Show();
    app.m.Flg_Page = Page_Section;
    f().Show();
    app.activate(f());
    EXPECT_EQ(app.m.Flg_Page, Page_Conditions);
    EXPECT_FALSE(app.get<Form4>().Visible());
    EXPECT_FALSE(app.get<Form7>().Visible());
}

}  // namespace
}  // namespace pelzaro

namespace pelzaro {
namespace {

TEST_F(ConditionsPage, CaseButtonsClearTheMemberPageKaChoice) {
    fillNormalCase();
    for (CommandButton* caseButton : {&f().cmd2, &f().cmd1}) {
        app.get<Form7>().opt2.setValue(true);
        caseButton->click();
        EXPECT_FALSE(app.get<Form7>().opt1.Value()) << caseButton->name();
        EXPECT_FALSE(app.get<Form7>().opt2.Value()) << caseButton->name();
    }
}

}  // namespace
}  // namespace pelzaro
