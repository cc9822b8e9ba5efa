// A user fills the design conditions and the wall dimensions of a realistic wall, asks for the
// stability check and sees the verdicts; then opens the member design on them.

#include "conditions/form25.h"
#include "forms/palette.h"
#include "numeric/format.h"
#include "wall_pages_fixture.h"

namespace pelzaro {

struct RealisticWall : WallPagesTest {
    void SetUp() override { startNewProject(); }
};

TEST_F(RealisticWall, UserSeesTheVerdictsAndOpensTheMemberDesign) {
    fillNormalCaseConditions();
    goOnToTheGroundShape();
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    ASSERT_TRUE(app.get<Form23>().Visible());
    Form4& p = showWall(true);
    typeWallAlongTheEnterChain(twoMetreWallAlongTheEnterChain());
    EXPECT_TRUE(p.Frame2.Visible()) << "the toe offers the front-soil choice";
    p.opt3.click();
    host.onModal<Form14>([](Form14& d) {
        d.opt6.click();
        d.cmd1.click();
    });
    p.cmd4.click();
    p.opt1.click();
    runStabilityCheck();
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_NE(app.m.Sigma_max, 0.0f);
    EXPECT_TRUE(p.lbl54.Visible());
    EXPECT_EQ(p.lbl52.Caption(), "F =");
    EXPECT_EQ(p.lbl46.Caption(), "e(m)=");
    EXPECT_EQ(p.lbl56.Caption(), "σmax=");
    EXPECT_EQ(p.lbl57.Caption(), Format(app.m.Sigma_max, "0.000"));
    EXPECT_EQ(p.lbl65.Caption(), Format(app.m.F_Katsudou, "0.000"));
    bool slidingPasses = app.m.F_Katsudou >= 1.5f;
    EXPECT_EQ(p.lbl66.Caption(), slidingPasses ? "> 1.5 ∴O.K" : "< 1.5 ∴NG");
    EXPECT_EQ(p.lbl66.ForeColor(), slidingPasses ? kColorBlack : kColorFailing);
    EXPECT_TRUE(p.cmd1.hasFocus());
    EXPECT_TRUE(toolbar(5) && toolbar(6));
    Form7& members = openMemberDesign();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_TRUE(members.Visible());
}

}  // namespace pelzaro

namespace pelzaro {

// A wall the calculation cannot take (no base at all) gets its refusal, no verdict, and
// nothing to save or print.
TEST_F(RealisticWall, RefusedCalculationShowsNoVerdict) {
    fillNormalCaseConditions();
    goOnToTheGroundShape();
    Form4& p = showWall(false);
    for (TextBox* box : p.inputBoxes()) box->setText("0");
    p.txt1.setText("1");
    p.txt2.setText("A");
    app.get<Form14>().opt1.setValue(true);
    enableToolbar();
    host.clearRecords();
    runStabilityCheck();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
    EXPECT_FALSE(p.lbl57.Visible());
    EXPECT_FALSE(toolbar(5) || toolbar(6));
    EXPECT_FALSE(p.stabilityDisplayCurrent());
}

}  // namespace pelzaro

namespace pelzaro {

// With a shear key the first check asks for the key, the dialog shows the ranges of this
// wall, and the next check shows the key rows.
TEST_F(RealisticWall, ShearKeyIsAskedForThenJudged) {
    fillNormalCaseConditions();
    goOnToTheGroundShape();
    Form4& p = showWall(true);
    typeWallAlongTheEnterChain(twoMetreWallAlongTheEnterChain());
    p.opt3.click();
    p.opt1.click();
    app.get<Form14>().opt1.setValue(true);
    p.opt6.click();
    std::string rangeOfB;
    host.onModal<Form19>([&](Form19& d) {
        rangeOfB = d.lbl1.Caption();
        d.txt1.type("0.4");
        d.txt1.pressEnter();
        d.txt3.type("0.4");
        d.txt3.pressEnter();
        d.txt2.type("1.5");
        d.cmd1.click();
    });
    runStabilityCheck();
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"突起の計算をしてください。"});
    EXPECT_EQ(rangeOfB, Format(app.m.B, "0.000"));
    EXPECT_FALSE(p.lbl66.Visible());
    host.clearRecords();
    runStabilityCheck();
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_TRUE(p.lbl67.Visible());
    EXPECT_EQ(p.lbl65.Caption(), Format(app.m.F_Tokki, "0.000"));
    EXPECT_EQ(p.lbl69.Caption(), Format(app.m.F_Katsudou, "0.000"));
    EXPECT_EQ(app.m.H0, 0.4f);
}

}  // namespace pelzaro

namespace pelzaro {

// The seismic case with the surcharge inertia: the height typed in the dialog is the one the
// calculation uses, and counting the force changes the overturning result.
TEST_F(RealisticWall, SeismicCaseWithSurchargeInertia) {
    fillNormalCaseConditions();
    goOnToTheGroundShape();
    switchToSeismicCase(&Form25::opt_K2);  // the conditions page changed after going on
    goOnToTheGroundShape();
    host.clearRecords();
    Form4& p = showWall(true);
    typeWallAlongTheEnterChain(twoMetreWallAlongTheEnterChain());
    p.opt3.click();
    p.opt1.click();
    host.onModal<Form21>([](Form21& d) {
        d.opt2.click();
        d.opt5.click();
        d.cmd1.click();
    });
    p.cmd4.click();
    runStabilityCheck();
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    const float withoutInertia = app.m.Mo;
    EXPECT_TRUE(p.lbl54.Visible());
    host.onModal<Form21>([](Form21& d) {
        d.chk1.click();
        d.txt1.type("2.3");
        d.cmd1.click();
    });
    p.cmd4.click();
    EXPECT_EQ(app.m.Hq, 2.3f);
    EXPECT_EQ(app.m.Sigma_max, 0.0f) << "the inertia box withdraws the results";
    runStabilityCheck();
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_GT(app.m.Mo, withoutInertia);
    EXPECT_EQ(p.lbl52.Caption(), "F =");
    bool pass = app.m.F_Tentou >= 1.2f;
    EXPECT_EQ(p.lbl54.Caption(), pass ? "> 1.2∴O.K" : "< 1.2∴NG");
}

}  // namespace pelzaro
