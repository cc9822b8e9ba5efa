// The check-method dialogs and the shear-key dialogs.

#include "stability/key_sketch.h"
#include "wall_pages_fixture.h"

namespace pelzaro {

TEST_F(WallPagesTest, CheckMethodDialogOffersTheWidthGroupOnlyWithCohesion) {
    normalCase();
    Form4& p = showWall(true);
    Form14& d = shown<Form14>(app);
    d.opt4.setValue(true);
    app.m.C = 0.0f;
    p.cmd4.click();
    EXPECT_FALSE(d.opt4.Value());
    EXPECT_FALSE(d.opt4.Enabled());
    EXPECT_FALSE(d.lbl1.Enabled());
    app.m.C = 5.0f;
    p.cmd4.click();
    EXPECT_TRUE(d.opt5.Enabled());
}

TEST_F(WallPagesTest, CheckMethodOkReportsMissingChoicesInOrder) {
    seismicCase();
    Form21& d = shown<Form21>(app);
    app.m.C = 5.0f;
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "転倒に対する検討方法をチェックして下さい。"},
        {[&] { d.opt3.setValue(true); }, "滑動に対する検討方法をチェックして下さい。"},
        {[&] { d.opt6.setValue(true); },
         "底版の有効載荷面積に対する検討方法をチェックして下さい。"},
        {[&] {
             d.opt8.setValue(true);
             d.chk1.setEnabled(true);
             d.chk1.setValue(1);
         },
         "上載荷重の慣性力の作用位置を入力して下さい。"},
    };
    for (const auto& [make, message] : steps) {
        make();
        d.cmd1.click();
        EXPECT_EQ(host.lastMessage().text, message);
    }
    EXPECT_EQ(focusedName(d), "txt1");
    d.txt1.setText("2.5");
    d.cmd1.click();
    EXPECT_EQ(app.m.Hq, 2.5f);
}

TEST_F(WallPagesTest, SurchargeInertiaFollowsTheSeismicMethod) {
    seismicCase();
    Form4& p = showWall(true);
    Form21& d = app.get<Form21>();
    app.get<Form25>().opt_K2.setValue(true);
    host.onModal<Form21>([](Form21& dialog) {
        EXPECT_TRUE(dialog.chk1.Enabled());
        dialog.chk1.click();
        dialog.txt1.setText("3");
        dialog.cmd1.click();
        EXPECT_TRUE(dialog.Visible()) << "no overturning choice yet: the dialog stays";
        dialog.opt1.setValue(true);
        dialog.opt5.setValue(true);
        dialog.cmd1.click();
    });
    p.cmd4.click();
    EXPECT_EQ(app.m.Hq, 3.0f);
    app.get<Form25>().opt_K1.setValue(true);
    host.onModal<Form21>([](Form21&) {});
    p.cmd4.click();
    EXPECT_EQ(d.chk1.Value(), 0);
    EXPECT_FALSE(d.chk1.Enabled());
    EXPECT_EQ(d.txt1.Text(), "");
    EXPECT_EQ(app.m.Hq, 0.0f) << "the height used is the one the dialog shows";
}

// The surcharge inertia is an input of the stability calculation like the others.
TEST_F(WallPagesTest, SurchargeInertiaEditsWithdrawEverything) {
    seismicCase();
    showWall(true);
    Form21& d = shown<Form21>(app);
    d.chk1.setEnabled(true);
    d.chk1.setValue(1);
    for (auto act : std::vector<std::function<void()>>{[&] { d.chk1.setValue(0); },
                                                       [&] { d.txt1.userEdit("2"); }}) {
        d.txt1.setEnabled(true);
        app.m.Sigma_max = 50.0f;
        enableToolbar();
        act();
        EXPECT_EQ(app.m.Sigma_max, 0.0f);
        EXPECT_FALSE(toolbar(3) || toolbar(5) || toolbar(6));
    }
}

TEST_F(WallPagesTest, CancelPutsTheDialogBackAsItWas) {
    seismicCase();
    Form4& p = showWall(true);
    Form21& d = shown<Form21>(app);
    app.get<Form25>().opt_D1.setValue(true);
    d.opt2.setValue(true);
    d.chk1.setEnabled(true);
    d.chk1.setValue(1);
    d.txt1.setText("2");
    app.m.Hq = 2.0f;
    host.onModal<Form21>([](Form21& dialog) {
        dialog.opt4.click();
        dialog.chk1.click();  // unticked: the box empties
        dialog.cmd2.click();
    });
    p.cmd4.click();
    EXPECT_TRUE(d.opt2.Value());
    EXPECT_FALSE(d.opt4.Value());
    EXPECT_EQ(d.chk1.Value(), 1);
    EXPECT_EQ(d.txt1.Text(), "2");
    EXPECT_TRUE(d.txt1.Enabled());
    EXPECT_EQ(app.m.Hq, 2.0f);
    EXPECT_EQ(focusedName(p), "cmd3");
}

TEST_F(WallPagesTest, KeyDialogShowsRangesFromTheBaseWidth) {
    Form19& d = shown<Form19>(app);
    d.showRanges(4.0f);
    EXPECT_EQ(d.lbl1.Caption(), "4.000");
    EXPECT_EQ(d.lbl2.Caption(), "0.400");
    EXPECT_EQ(d.lbl3.Caption(), "0.600");
    EXPECT_EQ(d.lbl4.Caption(), "1.333");
    EXPECT_EQ(d.lbl5.Caption(), "2.667");
}

TEST_F(WallPagesTest, SketchVariantByEccentricity) {
    const float sixth = 3.0f / 6.0f;
    struct Row {
        float e, B;
        SketchVariant v;
        const char* why;
    };
    const Row rows[] = {
        {0.0f, 3.0f, SketchVariant::TrapezoidFrontLarger, "e 0 counts as e >= 0"},
        {0.2f, 3.0f, SketchVariant::TrapezoidFrontLarger, "within the middle third"},
        {-0.2f, 3.0f, SketchVariant::TrapezoidRearLarger, "larger pressure at the rear"},
        {sixth, 3.0f, SketchVariant::TriangleFront, "r exactly 1/6 is uplift"},
        {-0.8f, 3.0f, SketchVariant::TriangleRear, "uplift at the front"},
        {0.5f, 0.0f, SketchVariant::None, "no base width: nothing to draw"},
    };
    for (const Row& r : rows) EXPECT_EQ(sketchVariant(r.e, r.B), r.v) << r.why;
}

TEST_F(WallPagesTest, SketchVariantsDrawTheirOwnOrdinates) {
    PictureBox& s = app.get<Form19>().Surface;
    drawResidentialSketch(s, SketchVariant::TriangleRear);
    ASSERT_FALSE(s.drawing().empty());
    EXPECT_EQ(s.drawing()[0].x1, 3600) << "only the rear ordinate under uplift at the front";
    bool hasSigmaMin = false;
    for (const DrawOp& op : s.drawing()) hasSigmaMin |= op.text == "σmin";
    EXPECT_FALSE(hasSigmaMin);
    PictureBox& r = app.get<Form26>().Surface;
    drawRoadSketch(r, SketchVariant::TrapezoidRearLarger);
    EXPECT_EQ(r.drawing().back().text, "L2");
    EXPECT_EQ(r.drawing().back().x1, 3050);
}

TEST_F(WallPagesTest, KeyDialogChecksItsBoxesAndEmptiesTheSlidingRows) {
    Form4& p = showWall(true);
    p.lbl65.setCaption("1.600");
    p.lbl53.setCaption("2.000");
    p.lbl67.setVisible(true);
    Form26& d = shown<Form26>(app);
    d.cmd1.click();
    EXPECT_EQ(host.lastMessage().text, "突起の高さを入力してください。");
    EXPECT_EQ(focusedName(d), "txt1");
    d.txt1.setText("0.4");
    d.txt3.setText("0.3");
    d.cmd1.click();
    EXPECT_EQ(host.lastMessage().text, "突起の位置を入力してください。");
    d.txt2.setText(" ");  // only emptiness is tested
    d.cmd1.click();
    EXPECT_EQ(p.lbl65.Caption(), "");
    EXPECT_EQ(p.lbl53.Caption(), "2.000");
    EXPECT_FALSE(p.lbl67.Visible());
    EXPECT_EQ(focusedName(p), "cmd2");
}

TEST_F(WallPagesTest, KeyDialogEnterGoesFromHeightToWidth) {
    Form19& d = shown<Form19>(app);
    d.txt1.SetFocus();
    d.txt1.pressEnter();
    EXPECT_EQ(focusedName(d), "txt3");
    d.txt3.pressEnter();
    EXPECT_EQ(focusedName(d), "txt2");
    d.txt2.pressEnter();
    EXPECT_EQ(focusedName(d), "cmd1");
}

TEST_F(WallPagesTest, ClickIntoAKeyBoxEmptiesRowHOfTheMemberPage) {
    Form7& members = app.get<Form7>();
    members.txt10.setText("150");
    members.lbl_rj.setCaption("120");
    shown<Form19>(app).txt2.click();
    EXPECT_EQ(members.txt10.Text(), "");
    EXPECT_EQ(members.lbl_rj.Caption(), "");
}

}  // namespace pelzaro

namespace pelzaro {

// A check method changes only the verdicts: the rows and the marker go, and the stress check
// that rested on them; the member design stays as it is. The print buttons keep their own
// state but, like the File menu, offer no print of the withdrawn result.
TEST_F(WallPagesTest, CheckMethodOptionWithdrawsOnlyTheRows) {
    Form4& p = showWall(true);
    Form7& members = app.get<Form7>();
    members.lbl6.setCaption("150.000");
    app.m.Sigma_max = 50.0f;
    enableToolbar();
    p.lbl53.setVisible(true);
    app.m.Flg_Ouryoku = 1;
    shown<Form14>(app).opt2.click();
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
    EXPECT_FALSE(p.lbl53.Visible());
    EXPECT_FALSE(toolbar(5) || toolbar(6));
    EXPECT_TRUE(main.Toolbar1.button(5).enabled && main.Toolbar1.button(6).enabled);
    EXPECT_EQ(members.lbl6.Caption(), "150.000");
    // The stress check rested on the withdrawn result: neither Save as nor Overwrite save is
    // offered until both checks have run again.
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_FALSE(toolbar(3));
}

}  // namespace pelzaro

namespace pelzaro {

TEST_F(WallPagesTest, NormalCaseOkChecksOverturningThenWidth) {
    Form4& p = showWall(true);
    Form14& d = shown<Form14>(app);
    app.m.C = 5.0f;
    d.cmd1.click();
    EXPECT_EQ(host.lastMessage().text, "転倒に対する検討方法をチェックして下さい。");
    d.opt3.click();
    d.cmd1.click();
    EXPECT_EQ(host.lastMessage().text, "底版の有効載荷面積に対する検討方法をチェックして下さい。");
    EXPECT_EQ(host.messages.size(), 2u);
    app.m.C = 0.0f;  // without cohesion the width is not asked for
    d.cmd1.click();
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(focusedName(p), "cmd3");
}

TEST_F(WallPagesTest, ResidentialKeyDialogReturnsToTheStabilityButton) {
    Form4& p = showWall(true);
    Form19& d = shown<Form19>(app);
    d.txt1.setText("0.4");
    d.txt2.setText("1.5");
    d.txt3.setText("0.4");
    d.cmd1.click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(focusedName(p), "cmd3");
}

}  // namespace pelzaro

namespace pelzaro {

// The key data that the results stand on come back when the user leaves a key dialog without
// "計算", by its Cancel or its close box.
TEST_F(WallPagesTest, KeyDialogCancelPutsBackTheKeyItShowedWhenItOpened) {
    for (bool road : {false, true}) {
        ShearKeyDialog& d = road ? static_cast<ShearKeyDialog&>(app.get<Form26>())
                                 : static_cast<ShearKeyDialog&>(app.get<Form19>());
        d.txt1.setText("0.4");
        d.txt2.setText("1.2");
        d.txt3.setText("0.5");
        for (bool closeBox : {false, true}) {
            host.onModalNamed(d.name(), [closeBox](Window& w) {
                auto& key = static_cast<ShearKeyDialog&>(w);
                key.txt1.click();
                key.txt1.type("0.9");
                key.txt3.click();
                key.txt3.userEdit("");
                if (closeBox) {
                    key.userClose();
                } else {
                    key.cmd2.click();
                }
            });
            d.ShowModal();
            EXPECT_EQ(d.txt1.Text(), "0.4") << d.name() << (closeBox ? " close box" : " Cancel");
            EXPECT_EQ(d.txt2.Text(), "1.2") << d.name();
            EXPECT_EQ(d.txt3.Text(), "0.5") << d.name();
        }
    }
}

}  // namespace pelzaro
