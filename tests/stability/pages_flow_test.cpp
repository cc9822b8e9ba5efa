// The ground-shape page's configuration of the wall page and the way on to the member design.

#include "wall_pages_fixture.h"

namespace pelzaro {

TEST_F(WallPagesTest, NoShapeChosenIsRefused) {
    Form23& shapes = shown<Form23>(app);
    shapes.cmd1.click();
    EXPECT_EQ(host.lastMessage().text, "地盤の形状（1）又は（2）を選択してください。");
    EXPECT_EQ(focusedName(shapes), "opt1");
    EXPECT_FALSE(app.isLoaded<Form4>() && wallPage().Visible());
}

TEST_F(WallPagesTest, ShapeConfiguresTheWallPage) {
    Form4& p = showWall(false);
    EXPECT_FALSE(p.Frame1.Enabled());
    EXPECT_FALSE(p.Frame3.Visible());
    EXPECT_FALSE(p.txt3.Visible());
    EXPECT_TRUE(p.lbl33.Visible());
    EXPECT_TRUE(p.Line135.Visible());
    EXPECT_FALSE(p.Line120.Visible());
    p.opt6.setValue(true);
    app.get<Form19>().txt1.setText("0.4");
    app.m.H0 = 0.4f;
    app.m.Sigma_max = 50.0f;
    p.cmd2.click();  // back to the ground shape
    Form23& shapes = app.get<Form23>();
    shapes.opt1.click();
    EXPECT_TRUE(p.opt5.Value()) << "a shape resets the key to none";
    EXPECT_EQ(app.m.H0, 0.0f);
    EXPECT_FALSE(app.isLoaded<Form19>());
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
    EXPECT_FALSE(p.Visible());
    shapes.cmd1.click();
    EXPECT_TRUE(p.Frame1.Enabled());
    EXPECT_FALSE(p.opt1.Value());
    EXPECT_FALSE(p.Frame2.Visible()) << "no toe stored yet";
    EXPECT_TRUE(p.txt3.Visible());
    EXPECT_FALSE(p.cmd5.Visible());
    EXPECT_EQ(app.m.Flg_Page, Page_Dimensions);
}

TEST_F(WallPagesTest, SymmetricShapeCopiesTheBackSurcharge) {
    app.m.Q_Haimen = 9.0f;
    showWall(false);
    EXPECT_EQ(app.m.Q_Zenmen, 9.0f);
}

// The member design opens only on the results the page shows for the current inputs.
TEST_F(WallPagesTest, MemberDesignNeedsACurrentStabilityDisplay) {
    normalCase();
    Form4& p = showWall(false);
    p.cmd1.click();
    EXPECT_EQ(host.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_EQ(focusedName(p), "cmd3");
    app.m.Sigma_max = 50.0f;
    host.clearRecords();
    p.cmd1.click();
    EXPECT_EQ(host.messages.size(), 1u) << "a marker without a display is not enough";
    p.showStabilityResults();
    EXPECT_TRUE(p.stabilityDisplayCurrent());
    host.clearRecords();
    Form26& key = shown<Form26>(app);
    key.txt1.type("5");  // an edit of the key data
    key.Hide();
    EXPECT_FALSE(p.stabilityDisplayCurrent());
    p.cmd1.click();
    EXPECT_EQ(host.lastMessage().text, "安定性の検討をしてください。");
    p.showStabilityResults();
    p.Hihyouji_3();
    EXPECT_FALSE(p.stabilityDisplayCurrent());
}

TEST_F(WallPagesTest, ActivationReprintsTheSymmetricNotes) {
    Form4& p = showWall(false);
    EXPECT_TRUE(p.Surface.drawing().empty()) << "nothing before a calculation";
    app.m.Sigma_max = 50.0f;
    app.get<Form23>().Show();
    p.Show();
    ASSERT_EQ(p.Surface.drawing().size(), 2u);
    EXPECT_EQ(p.Surface.drawing()[1].text, "対称土圧の為、滑動は生じない。");
    EXPECT_FALSE(app.get<Form23>().Visible());
}

}  // namespace pelzaro

namespace pelzaro {

TEST_F(WallPagesTest, BackButtonsKeepTheChoicesAndResults) {
    Form4& p = showWall(true);
    app.m.Sigma_max = 50.0f;
    p.showStabilityResults();
    p.cmd2.click();
    Form23& shapes = app.get<Form23>();
    EXPECT_FALSE(p.Visible());
    EXPECT_TRUE(shapes.Visible());
    EXPECT_EQ(app.m.Sigma_max, 50.0f) << "going back withdraws nothing";
    EXPECT_TRUE(p.lbl57.Visible());
    shapes.cmd2.click();
    EXPECT_FALSE(shapes.Visible());
    EXPECT_TRUE(conditions.Visible());
    EXPECT_TRUE(shapes.opt1.Value()) << "the shape stays chosen";
}

TEST_F(WallPagesTest, NoteOnTheBackSurchargeOpensModally) {
    Form4& p = showWall(true);
    p.cmd6.click();
    ASSERT_FALSE(host.modalsRun.empty());
    EXPECT_EQ(host.modalsRun.back(), "Form27");
}

}  // namespace pelzaro

namespace pelzaro {

// The toe's entries are light cyan, the heel's light yellow; the other boxes keep the page's.
TEST_F(WallPagesTest, ToeAndHeelEntriesCarryTheirColours) {
    Form4& p = wallPage();
    auto colourOf = [](const Control& c) {
        if (!c.BackColor()) return std::string("page");
        const Rgb rgb = *c.BackColor();
        return std::to_string(rgb.r) + "," + std::to_string(rgb.g) + "," + std::to_string(rgb.b);
    };
    const std::pair<const Control*, const char*> expected[] = {
        {&p.txt12, "192,255,255"}, {&p.txt18, "192,255,255"}, {&p.txt23, "192,255,255"},
        {&p.lbl22, "192,255,255"}, {&p.lbl23, "192,255,255"}, {&p.lbl10, "192,255,255"},
        {&p.Frame2, "192,255,255"}, {&p.opt3, "192,255,255"}, {&p.opt4, "192,255,255"},
        {&p.txt16, "255,255,192"}, {&p.txt19, "255,255,192"}, {&p.txt13, "page"},
        {&p.txt17, "page"},        {&p.lbl45, "page"},
    };
    for (const auto& [control, colour] : expected) EXPECT_EQ(colourOf(*control), colour) << control->name();
    int toeUnits = 0, heelUnits = 0;
    for (const auto& label : p.sketch) {
        if (label->Caption() != " m" || !label->BackColor()) continue;
        (label->BackColor()->b == 255 ? toeUnits : heelUnits) += 1;
    }
    EXPECT_EQ(toeUnits, 2) << "the units of the toe length and end thickness";
    EXPECT_EQ(heelUnits, 2) << "the units of the heel length and end thickness";
}

}  // namespace pelzaro
