// DANMEM_1 on the pages: what it reads from the wall-dimensions page, the ground shape, the
// design conditions and the dialogs, and how a refused run is reported.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "example_walls.h"
#include "forms/app.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

class Danmem : public ::testing::Test {
  protected:
    TestHost host;
    App app{host};
    Form4& page = app.get<Form4>();

    // The example wall of example_walls.h typed into the page, its design conditions in the
    // state, the one-sided shape and the normal case under the residential standard.
    void SetUp() override {
        const std::vector<std::pair<TextBox*, const char*>> fields = {
            {&page.txt1, "3.1"},  {&page.txt2, "Ａ"},    {&page.txt3, "0.5"},  {&page.txt4, "1.0"},
            {&page.txt5, "2.5"},  {&page.txt6, "0.3"},   {&page.txt7, "0.2"},  {&page.txt8, "0.1"},
            {&page.txt9, "0.25"}, {&page.txt10, "0.05"}, {&page.txt12, "0.6"}, {&page.txt13, "0.4"},
            {&page.txt14, "2.0"}, {&page.txt15, "0.4"},  {&page.txt16, "0.8"}, {&page.txt17, "0.4"},
            {&page.txt18, "0.3"}, {&page.txt19, "0.3"},  {&page.txt20, "0.6"}, {&page.txt21, "10"},
            {&page.txt22, "5"},   {&page.txt23, "3"}};
        for (const auto& [box, text] : fields) box->setText(text);
        Module1& m = app.m;
        m.KA = 0.3f, m.Gamma_S = 18.0f, m.Gamma_C = 24.0f, m.Delta = 20.0f;
        m.Mu = 0.6f, m.Phi_B = 30.0f;
        app.get<Form3>().opt_T.setValue(true);
        app.get<Form23>().opt1.setValue(true);
        page.opt1.setValue(true);
        page.opt3.setValue(true);
        host.clearRecords();
    }
};

TEST_F(Danmem, CalculatesTheWallOnThePage) {
    page.DANMEM_1();
    EXPECT_TRUE(host.messages.empty());
    const Module1& m = app.m;
    EXPECT_EQ(m.Syou_No, "3.1");
    EXPECT_EQ(m.Kigou, "Ａ");
    expectClose(m.B, 4.2, "B");
    expectClose(m.SumV, 156.68094, "SumV");
    expectClose(m.Sigma_max, 55.812937, "Sigma_max");
    expectClose(m.F_Tentou, 18.410212, "F_Tentou");
    expectClose(m.F_Katsudou, 4.1042795, "F_Katsudou");
    EXPECT_EQ(m.Q_Zenmen, 3.0f);
}

TEST_F(Danmem, ReadsTheFieldsLeniently) {
    page.txt5.setText("2.5m");   // the leading number
    page.txt22.setText("abc");   // no number: 0
    page.txt21.setText(" 10 ");  // leading blanks skipped
    page.DANMEM_1();
    EXPECT_EQ(app.m.H3, 2.5f);
    EXPECT_EQ(app.m.Q_Tyuuou, 0.0f);
    EXPECT_EQ(app.m.Q_Haimen, 10.0f);
    EXPECT_GT(app.m.Sigma_max, 0.0f);
}

TEST_F(Danmem, SymmetricShapeIgnoresTheFrontFields) {
    app.get<Form23>().opt2.setValue(true);
    page.txt3.setText("9"), page.txt4.setText("9"), page.txt23.setText("99");
    page.DANMEM_1();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(app.m.H1, 0.3f);
    EXPECT_EQ(app.m.H2, 2.5f);
    EXPECT_EQ(app.m.Q_Zenmen, 10.0f);
    EXPECT_EQ(app.m.Mo, 0.0f);
}

TEST_F(Danmem, RefusalIsReportedAndLeavesNoResult) {
    page.DANMEM_1();
    const float b = app.m.B;
    app.m.KA = 0.0f;
    page.DANMEM_1();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(host.lastMessage().text,
              stabilityRefusalMessage(StabilityOutcome::NoOverturningMoment));
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
    EXPECT_EQ(app.m.B, b);
}

// The dialogs are read through the one reader of the page choices: a dialog never opened has
// nothing chosen, and the run does not create it (creating the seismic check-method dialog
// would clear the surcharge height Hq).
TEST_F(Danmem, ReadingTheDialogsCreatesNone) {
    app.m.Hq = 1.5f;
    page.DANMEM_1();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(app.isLoaded<Form14>());
    EXPECT_FALSE(app.isLoaded<Form21>());
    EXPECT_FALSE(app.isLoaded<Form25>());
    EXPECT_EQ(app.m.Hq, 1.5f);
}

// The report prints the reason of a refused run instead of any earlier result.
TEST_F(Danmem, TheOutcomeOfTheLastRunIsKept) {
    page.DANMEM_1();
    EXPECT_EQ(app.m.Stability_Outcome, StabilityOutcome::Ok);
    app.m.KA = 0.0f;
    page.DANMEM_1();
    EXPECT_EQ(app.m.Stability_Outcome, StabilityOutcome::NoOverturningMoment);
    page.txt14.setText("1e40");
    page.DANMEM_1();
    EXPECT_EQ(app.m.Stability_Outcome, StabilityOutcome::TooLarge);
}

TEST_F(Danmem, ANumberBeyondSinglePrecisionIsRefused) {
    page.txt14.setText("1e40");
    page.DANMEM_1();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastMessage().text, stabilityRefusalMessage(StabilityOutcome::TooLarge));
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
}

TEST_F(Danmem, KeyDimensionsFromTheDialogOfTheStandard) {
    Form19& residential = app.get<Form19>();
    residential.txt1.setText("0.5"), residential.txt2.setText("2.0");
    residential.txt3.setText("0.4");
    Form26& road = app.get<Form26>();
    road.txt1.setText("0.3"), road.txt2.setText("1.8"), road.txt3.setText("0.35");
    page.opt6.setValue(true);
    page.DANMEM_1();
    EXPECT_EQ(app.m.H0, 0.5f);
    EXPECT_EQ(app.m.B1, 2.0f);
    expectClose(app.m.F_Tokki, 5.4999401, "F_Tokki by the passive resistance");
    app.get<Form3>().opt_D.setValue(true);
    page.DANMEM_1();
    EXPECT_EQ(app.m.H0, 0.3f);
    EXPECT_EQ(app.m.B1, 1.8f);
    EXPECT_EQ(app.m.D_Tokki, 0.35f);
    expectClose(app.m.F_Tokki, 90.45969 / 22.90501, "F_Tokki by the shear resistance");
}

TEST_F(Danmem, KeyDialogNeverOpenedReadsAsZero) {
    page.opt6.setValue(true);
    app.m.B1 = 1.5f;
    page.DANMEM_1();
    EXPECT_EQ(app.m.H0, 0.0f);
    EXPECT_EQ(app.m.B1, 0.0f);
    EXPECT_EQ(app.m.D_Tokki, 0.0f);
}

TEST_F(Danmem, CheckMethodsAndSeismicMethodFromTheirDialogs) {
    app.m.C = 10.0f;
    app.get<Form21>().opt8.setValue(true);  // the width rule of whichever dialog holds it
    page.DANMEM_1();
    expectClose(app.m.RH, 136.00856, "RH on the whole base");
    app.get<Form3>().opt4.setValue(true);
    app.get<Form25>().opt_K2.setValue(true);
    app.m.Kh = 0.2f;
    app.m.Hq = 2.7f;
    Form21& seismic = app.get<Form21>();
    seismic.chk1.setValue(1);
    app.m.Hq = 2.7f;  // the box's own reaction may clear the height; the dialog's OK sets it
    page.DANMEM_1();
    expectClose(app.m.Mo, 22.024048 + 0.2 * 110.18002 + 4.7925 + 2.0670454, "Mo");
}

}  // namespace
}  // namespace pelzaro
