#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "forms/palette.h"
#include "member_page_fixture.h"

namespace pelzaro {
namespace {

using Strings = std::vector<std::string>;

struct StressCheckTest : MemberPageTest {
    void SetUp() override {
        withParts(true, true, true);
        allowables(8.0f, 160.0f, 0.36f);
        prepareAllRows();
    }
};

// Each refusal of "応力度計算": its message, the control that gets the focus, and that nothing
// else changes. The first failing check in the order bar kinds, spacings, computed spacings
// wins.
struct Refusal {
    const char* name;
    std::function<void(StressCheckTest&)> setUp;
    const char* message;
    const char* focused;
};

class StressRefusal : public StressCheckTest, public ::testing::WithParamInterface<Refusal> {};

const char* const kNoBarKind = "鉄筋の種類を選択してください。";
const char* const kNoSpacing = "設計上の鉄筋の間隔を入力してください。";
const char* const kTooWide = "設計の鉄筋の間隔を計算値よりも小さくしてください。";

TEST_P(StressRefusal, ShowsItsMessageFocusesTheRowAndChangesNothingElse) {
    const Refusal& c = GetParam();
    c.setUp(*this);
    fillResults('A');
    enableSaveAndPrint();
    main.Toolbar1.button(5).enabled = false;
    page.cmd1.click();
    EXPECT_EQ(host.messageTexts(), Strings{c.message});
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    ASSERT_NE(page.ActiveControl(), nullptr);
    EXPECT_EQ(page.ActiveControl()->name(), c.focused);
    if (auto* box = dynamic_cast<TextBox*>(page.ActiveControl())) {
        EXPECT_EQ(box->SelStart(), 0);
        EXPECT_EQ(box->SelLength(), 0) << "the caret at the start, nothing selected";
    }
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_EQ(results('A'), (Strings{"x", "x", "x", "x"}));
    EXPECT_FALSE(saveEnabled()) << "no stress check stands";
    EXPECT_FALSE(printImageEnabled());
    EXPECT_EQ(host.beeps, 0);
}

// A spacing of 1e-45 mm is stored as the least single-precision number above 0, yet shows as
// "0" in whole millimetres, as the report prints a spacing: it is refused as 0 is.
INSTANTIATE_TEST_SUITE_P(
    Validation, StressRefusal,
    ::testing::Values(
        Refusal{"BarKindBeforeSpacing",
                [](StressCheckTest& t) {
                    t.page.cbo7.setText("");
                    t.page.txt1.setText("");
                },
                kNoBarKind, "cbo7"},
        Refusal{"EmptySpacing", [](StressCheckTest& t) { t.page.txt2.setText(""); }, kNoSpacing,
                "txt2"},
        Refusal{"ZeroSpacing", [](StressCheckTest& t) { t.page.txt6.setText("0"); }, kNoSpacing,
                "txt6"},
        Refusal{"NegativeSpacing", [](StressCheckTest& t) { t.page.txt9.setText("-150"); },
                kNoSpacing, "txt9"},
        Refusal{"SpacingThatShowsAsZero", [](StressCheckTest& t) { t.page.txt7.setText("1e-45"); },
                kNoSpacing, "txt7"},
        Refusal{"SpacingBelowHalfAMillimetre",
                [](StressCheckTest& t) { t.page.txt5.setText("0.4"); }, kNoSpacing, "txt5"},
        Refusal{"TextThatIsNoNumber", [](StressCheckTest& t) { t.page.txt10.setText("abc"); },
                kNoSpacing, "txt10"},
        Refusal{"SpacingBeyondTheUnroundedComputedOne",
                [](StressCheckTest& t) {
                    t.prepareRow('C', 4, 500000.0f, 0.0f, 40.0f, 250.4f, "250.5");
                },
                kTooWide, "txt5"},
        Refusal{"SpacingsBeforeComputedSpacings",
                [](StressCheckTest& t) {
                    t.prepareRow('B', 4, 500000.0f, 0.0f, 40.0f, 100.0f, "200");
                    t.page.txt8.setText("");
                },
                kNoSpacing, "txt8"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StressCheckTest, TypedSpacingsReachTheStateEvenWhenACheckFails) {
    page.txt1.setText("175");
    page.cbo9.setText("");
    page.cmd1.click();
    EXPECT_EQ(host.messageTexts(), Strings{kNoBarKind});
    EXPECT_EQ(app.m.Kankaku_A, 175.0f);
}

TEST_F(StressCheckTest, RowsOfAbsentPartsAreNeitherValidatedNorChecked) {
    withParts(false, true, true);
    page.cbo8.setText("");
    page.txt8.setText("");
    fillResults('F');
    page.cmd1.click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(results('F'), (Strings{"x", "x", "x", "x"})) << "row F keeps what it shows";
    EXPECT_EQ(results('G')[3], "O.K");
}

TEST_F(StressCheckTest, DesignSpacingEqualToTheComputedOnePasses) {
    prepareRow('C', 4, 500000.0f, 0.0f, 40.0f, 250.4f, "250.4");
    page.cmd1.click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
}

TEST_F(StressCheckTest, AllRowsValidShowEveryResultAndEnablePrintImage) {
    app.m.Sigma_max = 100.0f;  // the stability result the rows were designed from stands
    page.cmd1.click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
    for (const Form7Row& r : page.rows()) {
        Strings shown = results(r.letter);
        EXPECT_EQ(shown[3], "O.K") << r.letter;
        EXPECT_NE(shown[0], "") << r.letter;
        EXPECT_EQ(r.verdict->ForeColor(), kColorBlack) << r.letter;
    }
    EXPECT_EQ(page.lbl19.Caption(), "――") << "the slab centre has no shear check";
    EXPECT_TRUE(printImageEnabled());
    EXPECT_FALSE(saveEnabled()) << "no project file yet";
    EXPECT_EQ(host.beeps, 0);

    main.CommonDialog1_FileName = "/tmp/wall.qkz";
    page.cmd1.click();
    EXPECT_TRUE(saveEnabled());
}

// The worked example: M 2 000 000 N·cm/m, S 30 000 N/m, d 40 cm, "  D16", s 200 mm.
TEST_F(StressCheckTest, WorkedExampleShowsAndStoresThreeDecimals) {
    prepareRow('D', 4, 2000000.0f, 30000.0f, 40.0f, 300.0f, "200");
    page.cmd1.click();
    EXPECT_EQ(results('D'), (Strings{"1.140", "54.695", "0.081", "O.K"}));
    EXPECT_EQ(app.m.Sigma_c_D, 1.14f);
    EXPECT_EQ(app.m.Sigma_s_D, 54.695f);
    EXPECT_EQ(app.m.Tau_c_D, 0.081f);
    EXPECT_EQ(app.m.Kankaku_D, 200.0f);
    EXPECT_NEAR(app.m.k_D, 0.238, 0.001);
    EXPECT_NEAR(app.m.j1_D, 0.921, 0.001);
}

// Under the road guideline the shear stress takes the whole depth and its allowable value is
// corrected for depth and steel ratio.
TEST_F(StressCheckTest, RoadGuidelineShearOfTheWorkedExample) {
    app.get<Form3>().opt_D.setValue(true);
    page.Show();  // the standard hid it, as it does
    allowables(8.0f, 160.0f, 0.36f);
    prepareAllRows();
    prepareRow('D', 4, 2000000.0f, 30000.0f, 40.0f, 300.0f, "200");
    showTheStabilityResult();
    host.clearRecords();
    page.cmd1.click();
    EXPECT_TRUE(host.messages.empty()) << ::testing::PrintToString(host.messageTexts());
    EXPECT_EQ(results('D'), (Strings{"1.140", "54.695", "0.075", "O.K"}));
    EXPECT_NEAR(app.m.Ce_D, 1.343, 0.001);
    EXPECT_NEAR(app.m.Tau_ca_D, 1.273 * 0.36, 0.001);
}

TEST_F(StressCheckTest, EveryFailingRowIsColouredAndBeepsOnce) {
    allowables(1.0f, 160.0f, 0.36f);
    prepareRow('A', 4, 2000000.0f, 30000.0f, 40.0f, 300.0f, "200");  // σc 1.140 > 1.0
    prepareRow('C', 4, 2000000.0f, 0.0f, 40.0f, 300.0f, "200");      // σc too
    prepareRow('H', 4, 500000.0f, 300000.0f, 40.0f, 300.0f, "200");  // τc 0.81 > 0.36
    page.cmd1.click();
    EXPECT_EQ(host.beeps, 3);
    EXPECT_EQ(results('A')[3], "NG");
    EXPECT_EQ(page.lbl1.ForeColor(), kColorFailing);
    EXPECT_EQ(page.lbl2.ForeColor(), kColorBlack);
    EXPECT_EQ(page.lbl4.ForeColor(), kColorFailing);
    EXPECT_EQ(page.lbl19.Caption(), "――");
    EXPECT_EQ(page.lbl20.Caption(), "NG");
    EXPECT_EQ(page.lbl39.ForeColor(), kColorFailing);
    EXPECT_EQ(page.lbl37.ForeColor(), kColorBlack);
    EXPECT_EQ(results('B')[3], "O.K");
    EXPECT_EQ(app.m.Flg_Ouryoku, 1) << "failing rows are results, not refusals";

    // The colour follows the next result.
    allowables(8.0f, 160.0f, 0.36f);
    page.cmd1.click();
    EXPECT_EQ(page.lbl1.ForeColor(), kColorBlack);
    EXPECT_EQ(page.lbl4.Caption(), "O.K");
}

TEST_F(StressCheckTest, ComparesTheUnroundedStressNotTheShownOne) {
    prepareRow('A', 4, 2000000.0f, 30000.0f, 40.0f, 300.0f, "200");
    app.m.Sigma_ca = 1.140f;  // the σc shown, below the unrounded 1.1402
    page.Ouryoku_1();
    EXPECT_EQ(page.lbl1.Caption(), "1.140");
    EXPECT_EQ(page.lbl4.Caption(), "NG");
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(StressCheckTest, ARowWithoutBarDataFailsWithoutValuesAndDoesNotStop) {
    app.m.a1_E = 0.0f;
    app.m.d_E = 0.0f;
    app.m.Sigma_c_E = 7.0f;
    page.Ouryoku_7();
    EXPECT_EQ(results('E'), (Strings{"", "", "", "NG"}));
    EXPECT_EQ(page.lbl28.ForeColor(), kColorFailing);
    EXPECT_EQ(app.m.Sigma_c_E, 0.0f);
    EXPECT_EQ(host.beeps, 1);
}

}  // namespace
}  // namespace pelzaro
