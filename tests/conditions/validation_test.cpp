// "地盤の形状 >": the nineteen checks in their order, each with its message and focus, and the
// hand-over to the ground-shape page.

#include <cmath>
#include <functional>

#include "conditions_fixture.h"

namespace pelzaro {
namespace {

enum class Focus { CaretAtStart, OnlyFocused, WholeText, Dialog };

struct CheckCase {
    const char* why;
    bool seismic;
    std::function<void(Form3&)> breakIt;
    const char* message;
    std::function<Control&(Form3&)> target;
    Focus focus;
};

class ValidationChecks : public ConditionsPage, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ValidationChecks, FirstFailureSpeaksAndFocuses) {
    const CheckCase& c = GetParam();
    fillNormalCase();
    if (c.seismic) makeSeismic();
    c.breakIt(f());
    host.clearRecords();
    f().cmd3.click();
    ASSERT_EQ(host.messages.size(), 1u) << c.why;
    EXPECT_EQ(host.lastMessage().text, c.message) << c.why;
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    EXPECT_FALSE(app.isLoaded<Form23>() && app.get<Form23>().Visible()) << c.why;
    Control& target = c.target(f());
    switch (c.focus) {
        case Focus::CaretAtStart:
            EXPECT_TRUE(caretAtStartOf(static_cast<TextBox&>(target))) << c.why;
            break;
        case Focus::WholeText:
            EXPECT_TRUE(wholeTextSelected(static_cast<TextBox&>(target))) << c.why;
            break;
        case Focus::OnlyFocused:
            EXPECT_TRUE(target.hasFocus()) << c.why;
            if (target.kind() == ControlKind::OptionButton) {
                EXPECT_FALSE(static_cast<OptionButton&>(target).Value()) << c.why;
            }
            break;
        case Focus::Dialog:
            ASSERT_FALSE(host.modalsRun.empty()) << c.why;
            EXPECT_EQ(host.modalsRun.back(), "Form25") << c.why;
            break;
    }
}

#define FIELD(name) [](Form3& p) -> Control& { return p.name; }
#define EMPTY(name) [](Form3& p) { p.name.setText(""); }

INSTANTIATE_TEST_SUITE_P(
    InOrder, ValidationChecks,
    ::testing::Values(
        CheckCase{"1 site", false, EMPTY(txt1), "築造地を入力してください。", FIELD(txt1),
                  Focus::CaretAtStart},
        CheckCase{"2 no standard", false, [](Form3& p) { p.opt_T.setValue(false); },
                  "材料の許容応力度の計算方法を選択してください。", FIELD(opt_T),
                  Focus::OnlyFocused},
        CheckCase{"3 concrete strength", false, EMPTY(txt2),
                  "コンクリートの設計基準強度を入力してください。", FIELD(txt2),
                  Focus::CaretAtStart},
        CheckCase{"4 road guideline below 21", false,
                  [](Form3& p) {
                      p.opt_D.setValue(true);
                      p.txt2.setText("18");
                  },
                  "コンクリートの設計基準強度を21N/mm2以上にしてください。", FIELD(txt2),
                  Focus::CaretAtStart},
        CheckCase{"4 letters read as 0", false,
                  [](Form3& p) {
                      p.opt_D.setValue(true);
                      p.txt2.setText("abc");
                  },
                  "コンクリートの設計基準強度を21N/mm2以上にしてください。", FIELD(txt2),
                  Focus::CaretAtStart},
        CheckCase{"5 steel long-term", false, EMPTY(txt3),
                  "鉄筋の許容引張応力度を入力してください。", FIELD(txt3), Focus::CaretAtStart},
        CheckCase{"6 bearing capacity", false, EMPTY(txt4), "許容地耐力度を入力してください。",
                  FIELD(txt4), Focus::CaretAtStart},
        CheckCase{"7 soil weight", false, EMPTY(txt5), "土の単位体積重量を入力してください。",
                  FIELD(txt5), Focus::CaretAtStart},
        CheckCase{"8 concrete weight", false, EMPTY(txt6),
                  "鉄筋コンクリートの単位体積重量を入力してください。", FIELD(txt6),
                  Focus::CaretAtStart},
        CheckCase{"9 backfill soil", false, [](Form3& p) { p.cbo1.setText(""); },
                  "土質を入力してください。", FIELD(cbo1), Focus::OnlyFocused},
        CheckCase{"10 phi, residential wording", false, EMPTY(txt8),
                  "内部摩擦角を入力してください。", FIELD(txt8), Focus::CaretAtStart},
        CheckCase{"10 phi, road wording", false,
                  [](Form3& p) {
                      p.opt_D.setValue(true);
                      p.cbo1.setText("砂質土");
                      p.txt8.setText("");
                  },
                  "せん断抵抗角を入力してください。", FIELD(txt8), Focus::CaretAtStart},
        CheckCase{"11 stability delta", false, EMPTY(txt10),
                  "壁背面と土との間の壁面摩擦角を入力してください。", FIELD(txt10),
                  Focus::CaretAtStart},
        CheckCase{"12 member delta", false, EMPTY(txt12),
                  "壁背面と土との間の壁面摩擦角を入力してください。", FIELD(txt12),
                  Focus::CaretAtStart},
        CheckCase{"13 foundation soil", false, [](Form3& p) { p.cbo2.setText(""); },
                  "土質を入力してください。", FIELD(cbo2), Focus::OnlyFocused},
        CheckCase{"14 cohesion", false, EMPTY(txt14), "土の粘着力を入力してください。",
                  FIELD(txt14), Focus::CaretAtStart},
        CheckCase{"15 foundation phi", false, EMPTY(txt11), "内部摩擦角度を入力してください。",
                  FIELD(txt11), Focus::CaretAtStart},
        CheckCase{"16 mu typed: the field", false, EMPTY(txt9),
                  "底面の摩擦係数を入力又は計算してください。", FIELD(txt9), Focus::CaretAtStart},
        CheckCase{"16 mu not typed: the option, not selected", false,
                  [](Form3& p) {
                      p.opt5.setValue(false);
                      p.txt9.setText("");
                  },
                  "底面の摩擦係数を入力又は計算してください。", FIELD(opt5), Focus::OnlyFocused},
        CheckCase{"17 KA", false, EMPTY(txt15), "主働土圧係数を入力又は計算してください。",
                  FIELD(txt15), Focus::WholeText},
        CheckCase{"18 seismic steel short-term", true, EMPTY(txt13),
                  "短期の鉄筋の許容引張応力度を入力してください。", FIELD(txt13),
                  Focus::CaretAtStart},
        CheckCase{"19 seismic without load method", true,
                  [](Form3& p) { p.app().get<Form25>().opt_K1.setValue(false); },
                  "地震時水平荷重の計算方法を選択してください。", FIELD(cmd3), Focus::Dialog}));

TEST_F(ConditionsPage, NewPageReportsOnlyTheSite) {
    f().cmd3.click();
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"築造地を入力してください。"});
}

TEST_F(ConditionsPage, CompletePageOpensTheGroundShapePage) {
    fillNormalCase();
    f().cmd3.click();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    ASSERT_TRUE(app.isLoaded<Form23>());
    EXPECT_TRUE(app.get<Form23>().Visible());
    // The state holds the page as validated.
    EXPECT_FLOAT_EQ(app.m.Fc, 21);
    EXPECT_EQ(app.m.Tikuzouti, "東京都");
    EXPECT_EQ(app.m.Dositu_Haimen, "砂質土");
    EXPECT_FLOAT_EQ(app.m.Sigma_sa, 180);
}

TEST_F(ConditionsPage, SeismicCompletePageOpensTheGroundShapePage) {
    fillNormalCase();
    makeSeismic();
    f().cmd3.click();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_TRUE(app.get<Form23>().Visible());
    EXPECT_FLOAT_EQ(app.m.Sigma_sa, 295);
}

TEST_F(ConditionsPage, ResidentialStandardAcceptsLowStrengthAndBlanks) {
    fillNormalCase();
    f().txt2.setText("18");
    f().txt12.setText(" ");  // a blank is not empty
    f().cmd3.click();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
}

TEST_F(ConditionsPage, FoundationChecksDoNotChangeTheKaSource) {
    fillNormalCase();
    ASSERT_TRUE(f().opt2.Value());
    for (TextBox* field : {&f().txt14, &f().txt11}) {
        std::string kept = field->Text();
        field->setText("");
        f().cmd3.click();
        EXPECT_TRUE(f().opt2.Value()) << field->name();
        EXPECT_FALSE(f().opt1.Value()) << field->name();
        field->setText(kept);
    }
}

TEST_F(ConditionsPage, CheckSeventeenDeclaresKaTypedEvenWhenTypingIsDisabled) {
    fillNormalCase();
    makeSeismic();  // method K1: "直接入力" disabled
    ASSERT_FALSE(f().cmd5.Enabled());
    f().txt15.setText("");
    f().cmd3.click();
    EXPECT_EQ(host.lastMessage().text, "主働土圧係数を入力又は計算してください。");
    EXPECT_TRUE(f().opt1.Value());
    EXPECT_EQ(f().txt15.BorderStyle, 1);
}

TEST_F(ConditionsPage, AfterCheckNineteenTheDialogEmptiesKaSoTheNextTryStopsAtSeventeen) {
    fillNormalCase();
    makeSeismic();
    app.get<Form25>().opt_K1.setValue(false);
    answerSeismicDialog(&Form25::opt_K2, "0.2", "0");
    f().cmd3.click();
    EXPECT_EQ(f().txt15.Text(), "");
    host.clearRecords();
    f().cmd3.click();
    EXPECT_EQ(host.lastMessage().text, "主働土圧係数を入力又は計算してください。");
}

TEST_F(ConditionsPage, ValueBeyondSinglePrecisionIsRefusedWithoutTouchingTheState) {
    fillNormalCase();
    f().cmd3.click();
    host.clearRecords();
    f().txt4.setText("1e39");
    f().cmd3.click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastMessage().text, "許容地耐力度が大きすぎます。正しい値を入力してください。");
    EXPECT_TRUE(caretAtStartOf(f().txt4));
    EXPECT_FLOAT_EQ(app.m.Qa_N, 100);
    EXPECT_TRUE(std::isfinite(app.m.Qa_S));
}

}  // namespace
}  // namespace pelzaro
