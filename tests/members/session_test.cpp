#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "members/form7.h"
#include "numeric/format.h"
#include "stability/form19.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/scenario.h"

namespace pelzaro {
namespace {

using Strings = std::vector<std::string>;

// A user's whole way from a new project to the stress verdicts: the design conditions of the
// residential-land standard in the normal case, a one-sided U-wall with toe, heel and shear
// key, its stability check, then the member design.
struct SessionTest : ScenarioTest {
    void SetUp() override { startNewProject(); }

    void addShearKey(Form4& p) {
        host.onModal<Form19>([](Form19& d) {
            d.txt1.setText("0.4");
            d.txt2.setText("2.8");
            d.txt3.setText("0.3");
            d.cmd1.click();
        });
        p.opt6.click();
        p.cmd5.click();
    }
};

TEST_F(SessionTest, FromTheDesignConditionsToTheStressVerdicts) {
    fillNormalCaseConditions();
    goOnToTheGroundShape();
    Form4& wall = showWall(true);
    enterWall(twoMetreWall());
    chooseNormalMethods();
    addShearKey(wall);
    runStabilityCheck();
    ASSERT_NE(app.m.Sigma_max, 0.0f) << ::testing::PrintToString(host.messageTexts());
    ASSERT_NE(app.m.B_Kakato, 0.0f);
    ASSERT_NE(app.m.B_Tumasaki, 0.0f);
    ASSERT_NE(app.m.H0, 0.0f) << ::testing::PrintToString(host.messageTexts());
    host.clearRecords();

    Form7& page = openMemberDesign();
    ASSERT_TRUE(page.Visible());
    EXPECT_TRUE(page.txt8.Visible() && page.txt9.Visible() && page.txt10.Visible());
    EXPECT_FALSE(page.txt_ka.Text().empty());
    EXPECT_TRUE(page.txt_ka.hasFocus());

    for (const Form7Row& r : page.rows()) r.barKind->pick(2);  // "  D13"
    EXPECT_TRUE(host.messages.empty()) << ::testing::PrintToString(host.messageTexts());
    for (const Form7Row& r : page.rows()) {
        ASSERT_NE(r.computedSpacing->Caption(), "") << r.letter;
        r.designSpacing->click();
        r.designSpacing->type("250");
    }

    // One spacing wider than its row allows, then corrected.
    page.txt10.click();
    page.txt10.type(std::to_string(static_cast<int>(app.m.KankakuReq_H) + 1));
    page.cmd1.click();
    EXPECT_EQ(host.messageTexts(), Strings{"設計の鉄筋の間隔を計算値よりも小さくしてください。"});
    EXPECT_TRUE(page.txt10.hasFocus());
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    page.txt10.userEdit("250");
    host.clearRecords();

    page.cmd1.click();
    EXPECT_TRUE(host.messages.empty()) << ::testing::PrintToString(host.messageTexts());
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
    EXPECT_TRUE(main.Toolbar1.button(5).isEnabled());
    EXPECT_EQ(host.beeps, 0);
    for (const Form7Row& r : page.rows()) {
        EXPECT_EQ(r.verdict->Caption(), "O.K") << r.letter;
        EXPECT_EQ(r.sigmaS->Caption().size(), r.sigmaS->Caption().find('.') + 4) << r.letter;
    }
    EXPECT_EQ(page.lbl19.Caption(), "――");
    EXPECT_EQ(Format(app.m.Sigma_s_B, "0.000"), page.lbl6.Caption());
    EXPECT_EQ(Format(app.m.Tau_c_H, "0.000"), page.lbl39.Caption());
    EXPECT_EQ(app.m.Kankaku_H, 250.0f);

    // Back to the dimensions and in again: the verdicts stand until something changes.
    page.cmd3.click();
    openMemberDesign();
    EXPECT_EQ(page.lbl40.Caption(), "O.K");
}

}  // namespace
}  // namespace pelzaro
