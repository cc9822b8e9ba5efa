// The conditions page stays reachable behind the pages it leads to. An edit made there after
// "地盤の形状 >" must not let a calculation run on the conditions as they stood before it, and a
// base friction computed as tan φB must not outlive the angle it came from.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "report/sections.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/report_support.h"
#include "support/sample_fixture.h"
#include "support/scenario.h"

namespace pelzaro {
namespace {

struct ConditionsEdit {
    const char* name;
    std::function<void(Form3&, TestHost&)> edit;
};

class EditsBehindLaterPages : public SampleProgram<>,
                              public ::testing::WithParamInterface<ConditionsEdit> {};

// The user has gone on to the ground-shape page and comes back to the conditions page behind it.
TEST_P(EditsBehindLaterPages, LeaveNoWayOnWithoutTheConditionsCheckedAgain) {
    openSampleNamed("residential-seismic-k1-key.qkz");
    Form3& conditions = shown<Form3>(app);
    conditions.cmd3.click();  // "地盤の形状 >"
    Form23& shape = app.get<Form23>();
    ASSERT_TRUE(shape.Visible()) << host.lastMessage().text;

    GetParam().edit(conditions, host);

    EXPECT_FALSE(shape.Visible()) << "the ground-shape page would lead on without the edit";
    EXPECT_FALSE(shape.cmd1.userCanReach());
    EXPECT_FALSE(app.get<Form4>().Visible());
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditsBehindLaterPages,
    ::testing::Values(
        ConditionsEdit{"ConcreteStrengthTyped",
                       [](Form3& f, TestHost&) {
                           f.txt2.click();
                           f.txt2.type("30");
                       }},
        ConditionsEdit{"SoilWeightPasted",
                       [](Form3& f, TestHost&) {
                           f.txt5.click();
                           f.txt5.userEdit("19");
                       }},
        ConditionsEdit{"SeismicCaseClicked", [](Form3& f, TestHost&) { f.cmd2.click(); }},
        ConditionsEdit{"NormalCaseClicked", [](Form3& f, TestHost&) { f.cmd1.click(); }},
        ConditionsEdit{"SeismicCoefficientsConfirmed",
                       [](Form3& f, TestHost& host) {
                           host.onModal<Form25>([](Form25& d) {
                               d.Text1.click();
                               d.Text1.type("0.25");
                               d.cmd1.click();
                           });
                           f.cmd4.click();
                       }}),
    [](const ::testing::TestParamInfo<ConditionsEdit>& info) { return info.param.name; });

class ConditionsBehindLaterPages : public SampleProgram<> {};

// Fc typed behind the ground-shape page reaches the calculation and the report once the user
// passes "地盤の形状 >" again, the only way on.
TEST_F(ConditionsBehindLaterPages, ATypedStrengthReachesTheCalculationThroughTheCheck) {
    openSampleNamed("residential-seismic-k1-key.qkz");
    Form3& conditions = shown<Form3>(app);
    conditions.cmd3.click();
    conditions.txt2.click();
    conditions.txt2.type("30");
    conditions.cmd3.click();
    ASSERT_TRUE(app.get<Form23>().Visible()) << host.lastMessage().text;
    EXPECT_EQ(app.m.Fc, 30.0f);
}

// φB typed while μ = tan φB: μ is asked for again; "tanφ" then gives tan 33° = 0.6494 → 0.649.
TEST_F(ConditionsBehindLaterPages, AComputedBaseFrictionGoesWithTheAngleItCameFrom) {
    openSampleNamed("residential-seismic-k1-key.qkz");
    Form3& conditions = shown<Form3>(app);
    conditions.opt6.click();  // "tanφ"
    ASSERT_TRUE(conditions.opt6.Value()) << host.lastMessage().text;

    conditions.txt11.click();
    conditions.txt11.type("33");
    EXPECT_EQ(conditions.txt9.Text(), "");
    EXPECT_FALSE(conditions.opt6.Value());
    conditions.cmd3.click();
    EXPECT_EQ(host.lastMessage().text, "底面の摩擦係数を入力又は計算してください。");

    conditions.opt6.click();
    EXPECT_EQ(conditions.txt9.Text(), "0.649");
    EXPECT_EQ(app.m.Mu, 0.649f) << "as the box shows it";
}

// A typed μ is the user's own and stays whatever φB becomes.
TEST_F(ConditionsBehindLaterPages, ATypedBaseFrictionStaysWithANewAngle) {
    openSampleNamed("residential-seismic-k1-key.qkz");
    Form3& conditions = shown<Form3>(app);
    conditions.txt9.click();  // declares μ typed
    conditions.txt9.type("0.5");
    conditions.txt11.click();
    conditions.txt11.type("33");
    EXPECT_EQ(conditions.txt9.Text(), "0.5");
    EXPECT_TRUE(conditions.opt5.Value());
}

// A coefficient written into its box without a click (the focus came by Tab, or a paste) is
// the user's own, not the result of "tanφ" or "計算する": the typed option is chosen, so that
// the report prints it as typed and not as tan φB or Coulomb's result.
struct CoefficientWritten {
    const char* name;
    bool mu;     // μ, else KA
    bool paste;  // a paste, else typed characters
};

class CoefficientWrittenIntoItsBox : public SampleProgram<>,
                                     public ::testing::WithParamInterface<CoefficientWritten> {};

TEST_P(CoefficientWrittenIntoItsBox, IsDeclaredTyped) {
    openSampleNamed("residential-normal-one-sided.qkz");
    Form3& f = shown<Form3>(app);
    const CoefficientWritten& c = GetParam();
    TextBox& box = c.mu ? f.txt9 : f.txt15;
    OptionButton& computed = c.mu ? f.opt6 : f.opt2;
    OptionButton& typed = c.mu ? f.opt5 : f.opt1;
    if (c.mu)
        f.opt6.click();  // tanφ
    else
        f.cmd6.click();  // 計算する
    ASSERT_TRUE(computed.Value()) << host.lastMessage().text;

    box.SetFocus();
    if (c.paste) {
        box.userEdit("0.692");
    } else {
        box.selectAll();
        box.type("0.692");
    }
    EXPECT_EQ(box.Text(), "0.692");
    EXPECT_TRUE(typed.Value());
    EXPECT_FALSE(computed.Value());
    EXPECT_EQ(box.BorderStyle, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoefficientWrittenIntoItsBox,
    ::testing::Values(CoefficientWritten{"MuTyped", true, false},
                      CoefficientWritten{"MuPasted", true, true},
                      CoefficientWritten{"KaTyped", false, false},
                      CoefficientWritten{"KaPasted", false, true}),
    [](const ::testing::TestParamInfo<CoefficientWritten>& info) { return info.param.name; });

}  // namespace
}  // namespace pelzaro
