// A user fills the design conditions and the wall dimensions of a realistic wall, asks for the
// stability check and sees the verdicts; then opens the member design on them.

#include "conditions/form25.h"
#include "forms/palette.h"
#include "numeric/format.h"
#include "wall_pages_fixture.h"

namespace pelzaro {

struct RealisticWall : WallPagesTest {
    // A normal-case design under the residential-land standard, KA computed.
    void fillConditions() {
        main.FileNew();
        Form3& p = app.get<Form3>();
        p.opt_T.click();
        p.txt1.type("東京都");
        p.txt2.type("21");
        p.txt3.type("180");
        p.txt4.type("100");
        p.txt5.type("18");
        p.txt6.type("24");
        p.cbo1.pick(2);
        p.txt8.type("30");
        p.txt10.type("20");
        p.txt12.type("20");
        p.cbo2.pick(2);
        p.txt11.type("30");
        p.opt5.click();
        p.txt9.type("0.5");
        p.cmd6.click();
        p.cmd3.click();
    }

    // Types each box and presses Enter, as the user goes along the chain.
    void typeWall(Form4& p) {
        const std::vector<std::pair<TextBox*, const char*>> values = {
            {&p.txt1, "1"},    {&p.txt2, "A"},     {&p.txt3, "0.3"},  {&p.txt4, "0.9"},
            {&p.txt5, "2.0"},  {&p.txt6, "0.3"},   {&p.txt7, "0.25"}, {&p.txt8, "0.05"},
            {&p.txt9, "0.25"}, {&p.txt10, "0.05"}, {&p.txt13, "0.3"}, {&p.txt15, "0.3"},
            {&p.txt14, "2.0"}, {&p.txt12, "0.5"},  {&p.txt16, "0.8"}, {&p.txt17, "0.4"},
            {&p.txt18, "0.3"}, {&p.txt19, "0.3"},  {&p.txt20, "0.6"}, {&p.txt21, "10"},
            {&p.txt22, "5"},   {&p.txt23, "5"}};
        p.txt1.click();
        for (const auto& [box, text] : values) {
            ASSERT_TRUE(box->hasFocus()) << box->name();
            box->type(text);
            box->pressEnter();
        }
        EXPECT_TRUE(p.cmd3.hasFocus());
    }
};

TEST_F(RealisticWall, UserSeesTheVerdictsAndOpensTheMemberDesign) {
    fillConditions();
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    ASSERT_TRUE(app.get<Form23>().Visible());
    Form4& p = showWall(true);
    typeWall(p);
    EXPECT_TRUE(p.Frame2.Visible()) << "the toe offers the front-soil choice";
    p.opt3.click();
    host.onModal<Form14>([](Form14& d) {
        d.opt6.click();
        d.cmd1.click();
    });
    p.cmd4.click();
    p.opt1.click();
    p.cmd3.click();
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
    p.cmd1.click();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_TRUE(app.get<Form7>().Visible());
}

}  // namespace pelzaro

namespace pelzaro {

// A wall the calculation cannot take (no base at all) gets its refusal, no verdict, and
// nothing to save or print.
TEST_F(RealisticWall, RefusedCalculationShowsNoVerdict) {
    fillConditions();
    Form4& p = showWall(false);
    for (TextBox* box : p.inputBoxes()) box->setText("0");
    p.txt1.setText("1");
    p.txt2.setText("A");
    app.get<Form14>().opt1.setValue(true);
    enableToolbar();
    host.clearRecords();
    p.cmd3.click();
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
    fillConditions();
    Form4& p = showWall(true);
    typeWall(p);
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
    p.cmd3.click();
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"突起の計算をしてください。"});
    EXPECT_EQ(rangeOfB, Format(app.m.B, "0.000"));
    EXPECT_FALSE(p.lbl66.Visible());
    host.clearRecords();
    p.cmd3.click();
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
    fillConditions();
    Form3& c = app.get<Form3>();
    c.cmd2.click();
    c.txt13.type("295");
    host.onModal<Form25>([](Form25& d) {
        d.opt_K2.click();
        d.Text1.type("0.2");
        d.Text2.type("0");
        d.cmd1.click();
    });
    c.cmd4.click();
    c.txt10.type("15");
    c.cmd6.click();
    c.cmd3.click();
    host.clearRecords();
    Form4& p = showWall(true);
    typeWall(p);
    p.opt3.click();
    p.opt1.click();
    host.onModal<Form21>([](Form21& d) {
        d.opt2.click();
        d.opt5.click();
        d.cmd1.click();
    });
    p.cmd4.click();
    p.cmd3.click();
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
    p.cmd3.click();
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_GT(app.m.Mo, withoutInertia);
    EXPECT_EQ(p.lbl52.Caption(), "F =");
    bool pass = app.m.F_Tentou >= 1.2f;
    EXPECT_EQ(p.lbl54.Caption(), pass ? "> 1.2∴O.K" : "< 1.2∴NG");
}

}  // namespace pelzaro
