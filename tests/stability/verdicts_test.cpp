// The verdict rows: texts, colours and beeps at the limits, and the toolbar they enable.

#include "forms/palette.h"
#include "wall_pages_fixture.h"

namespace pelzaro {

struct OverturnCase {
    const char* why;
    bool normal;
    const char* option;  // of Form14 or Form21
    float F, d, e, B;
    const char* name;
    const char* value;
    const char* verdict;
    int beeps;
};

const OverturnCase kOverturn[] = {
    {"F exactly 1.5 passes", true, "opt1", 1.5f, 0, 0, 3, "F =", "1.500", "> 1.5∴O.K", 0},
    {"F 1.49 fails", true, "opt1", 1.49f, 0, 0, 3, "F =", "1.490", "< 1.5∴NG", 1},
    {"d equal to B/3 passes", true, "opt2", 0, 1.0f, 0, 3, "d(m)=", "1.000", "> B/3∴O.K", 0},
    {"e -0.9 on B 3 fails unsigned", true, "opt3", 0, 0, -0.9f, 3, "e(m)=", "0.900", "> B/6∴NG", 1},
    {"e 0.4 on B 3 passes", true, "opt3", 0, 0, 0.4f, 3, "e(m)=", "0.400", "< B/6∴O.K", 0},
    {"seismic F 1.0", false, "opt1", 1.0f, 0, 0, 3, "F =", "1.000", "> 1.0∴O.K", 0},
    {"seismic F 1.19 against 1.2", false, "opt2", 1.19f, 0, 0, 3, "F =", "1.190", "< 1.2∴NG", 1},
    {"seismic e at B/2", false, "opt3", 0, 0, 1.5f, 3, "e(m)=", "1.500", "< B/2∴O.K", 0},
    {"seismic e beyond B/3", false, "opt4", 0, 0, 1.1f, 3, "e(m)=", "1.100", "> B/3∴NG", 1},
};

TEST_F(WallPagesTest, OverturningRowsAtTheirLimits) {
    for (const OverturnCase& c : kOverturn) {
        c.normal ? normalCase() : seismicCase();
        Form4& p = showWall(true);
        Window& dialog = c.normal ? static_cast<Window&>(app.get<Form14>())
                                  : static_cast<Window&>(app.get<Form21>());
        static_cast<OptionButton*>(dialog.find(c.option))->setValue(true);
        app.m.F_Tentou = c.F;
        app.m.d = c.d;
        app.m.e = c.e;
        app.m.B = c.B;
        app.m.F_Katsudou = 2.0f;  // sliding passes: only the overturning row may beep
        app.m.Sigma_max = 50.0f;
        app.m.Qa = 100.0f;
        host.clearRecords();
        p.showStabilityResults();
        EXPECT_EQ(p.lbl52.Caption(), c.name) << c.why;
        EXPECT_EQ(p.lbl53.Caption(), c.value) << c.why;
        EXPECT_EQ(p.lbl54.Caption(), c.verdict) << c.why;
        int colour = c.beeps ? kColorFailing : kColorBlack;
        EXPECT_EQ(p.lbl52.ForeColor(), colour) << c.why;
        EXPECT_EQ(p.lbl54.ForeColor(), colour) << c.why;
        EXPECT_EQ(host.beeps, c.beeps) << c.why;
        EXPECT_TRUE(p.lbl54.Visible());
    }
}

TEST_F(WallPagesTest, CombinedCriterionWritesTwoRows) {
    seismicCase();
    Form4& p = showWall(true);
    app.get<Form21>().opt10.setValue(true);
    app.get<Form21>().opt5.setValue(true);
    app.m.F_Tentou = 1.3f;
    app.m.e = 1.2f;
    app.m.B = 3.0f;
    app.m.F_Katsudou = 1.1f;
    app.m.Sigma_max = 50.0f;
    app.m.Qa = 100.0f;
    p.showStabilityResults();
    EXPECT_EQ(p.lbl54.Caption(), "> 1.2∴O.K");
    EXPECT_EQ(p.lbl46.Caption(), "e(m)=");
    EXPECT_EQ(p.lbl48.Caption(), "> B/3∴NG");
    EXPECT_EQ(p.lbl48.ForeColor(), kColorFailing);
    EXPECT_EQ(p.lbl54.ForeColor(), kColorBlack);
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(WallPagesTest, BearingRowFailsWithoutBeep) {
    normalCase();
    Form4& p = showWall(false);
    app.m.Qa = 100.0f;
    for (float sigma : {100.0f, 100.5f}) {
        app.m.Sigma_max = sigma;
        host.clearRecords();
        p.showStabilityResults();
        bool pass = sigma <= 100.0f;
        EXPECT_EQ(p.lbl59.Caption(), pass ? "<" : ">");
        EXPECT_EQ(p.lbl60.Caption(), "100.0");
        EXPECT_EQ(p.lbl62.Caption(), pass ? "∴O.K" : "∴NG");
        EXPECT_EQ(p.lbl57.ForeColor(), pass ? kColorBlack : kColorFailing);
        EXPECT_EQ(host.beeps, 0);
        EXPECT_TRUE(p.lbl62.Visible());
        EXPECT_FALSE(p.lbl53.Visible()) << "no overturning with the symmetric shape";
        ASSERT_FALSE(p.Surface.drawing().empty());
        EXPECT_EQ(p.Surface.drawing()[0].text, "対称土圧の為、転倒は生じない。");
        EXPECT_EQ(p.Surface.drawing()[1].y1, 3250);
    }
}

TEST_F(WallPagesTest, ShearKeyRowsUnderTheResidentialStandard) {
    normalCase();
    conditions.opt_T.setValue(true);
    Form4& p = showWall(true);
    chooseNormalMethods();
    p.opt6.click();
    app.get<Form19>().txt1.setText("0.4");
    app.m.F_Tentou = 2.0f;
    app.m.F_Katsudou = 1.2f;  // below 1.5, but the key decides
    app.m.F_Tokki = 1.6f;
    app.m.Sigma_max = 50.0f;
    app.m.Qa = 100.0f;
    host.clearRecords();
    p.showStabilityResults();
    EXPECT_EQ(p.lbl66.Caption(), "> 1.5 ∴O.K");
    EXPECT_EQ(p.lbl65.Caption(), "1.600");
    EXPECT_EQ(p.lbl70.Caption(), "> 1.0 ∴O.K");
    EXPECT_EQ(p.lbl69.Caption(), "1.200");
    EXPECT_TRUE(p.lbl67.Visible());
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(WallPagesTest, UncalculatedKeyOpensItsDialogAndShowsNoRow) {
    normalCase();
    conditions.opt_D.setValue(true);
    Form4& p = showWall(true);
    chooseNormalMethods();
    p.opt6.click();
    app.m.B = 4.0f;
    app.m.e = 0.0f;
    app.m.Sigma_max = 50.0f;
    std::string range;
    host.onModal<Form26>([&](Form26& d) { range = d.lbl4.Caption(); });
    p.showStabilityResults();
    EXPECT_EQ(host.lastMessage().text, "突起の計算をしてください。");
    EXPECT_EQ(range, "1.333");
    EXPECT_FALSE(p.lbl53.Visible());
}

// A row whose check method was not chosen is shown empty, never with an old text.
TEST_F(WallPagesTest, RowWithoutMethodIsEmpty) {
    seismicCase();
    Form4& p = showWall(true);
    p.lbl52.setCaption("F =");
    p.lbl54.setCaption("> 1.0∴O.K");
    p.lbl66.setCaption("> 1.0 ∴O.K");
    app.m.Sigma_max = 50.0f;
    p.showStabilityResults();
    EXPECT_EQ(p.lbl52.Caption(), "");
    EXPECT_EQ(p.lbl54.Caption(), "");
    EXPECT_EQ(p.lbl66.Caption(), "");
}

// "安定性の検討" offers printing; overwriting follows the stress check and the project's file,
// whatever the button showed before.
TEST_F(WallPagesTest, ToolbarAfterTheResultsDisplay) {
    struct Row {
        const char* path;
        int stressCheck;  // Flg_Ouryoku
        bool before;
        bool after;
        const char* why;
    };
    const Row rows[] = {
        {"w.qkz", 0, true, false, "a file without a stress check"},
        {"w.qkz", 1, false, true, "a file and the stress check"},
        {"", 1, true, false, "no file to overwrite"},
        {"", 0, true, false, "nothing to save"},
    };
    Form4& p = showWall(false);
    fillWall();  // a wall the stability calculation can run on
    for (const Row& r : rows) {
        main.CommonDialog1_FileName = r.path;
        app.m.Flg_Ouryoku = r.stressCheck;
        main.Toolbar1.button(3).enabled = r.before;
        p.GamenHyouji();
        ASSERT_NE(app.m.Sigma_max, 0.0f) << r.why;
        EXPECT_EQ(toolbar(3), r.after) << r.why;
        EXPECT_TRUE(toolbar(5));
        EXPECT_TRUE(toolbar(6));
    }
}

}  // namespace pelzaro

namespace pelzaro {

struct SlidingCase {
    const char* why;
    bool normal;
    const char* option;  // of Form21 in the seismic case
    float F;
    const char* verdict;
    int beeps;
};

const SlidingCase kSliding[] = {
    {"normal case at 1.5 passes", true, "", 1.5f, "> 1.5 ∴O.K", 0},
    {"normal case below 1.5 without a key fails", true, "", 1.49f, "< 1.5 ∴NG", 1},
    {"seismic exactly 1.2 passes", false, "opt6", 1.2f, "> 1.2 ∴O.K", 0},
    {"seismic below 1.2 fails with its beep", false, "opt6", 1.19f, "< 1.2 ∴NG", 1},
    {"seismic below 1.0 fails", false, "opt5", 0.99f, "< 1.0 ∴NG", 1},
};

TEST_F(WallPagesTest, SlidingRowAtItsLimits) {
    for (const SlidingCase& c : kSliding) {
        c.normal ? normalCase() : seismicCase();
        Form4& p = showWall(true);
        if (!c.normal) static_cast<OptionButton*>(app.get<Form21>().find(c.option))->setValue(true);
        app.m.F_Katsudou = c.F;
        app.m.Sigma_max = 50.0f;
        app.m.Qa = 100.0f;
        host.clearRecords();
        p.showStabilityResults();
        EXPECT_EQ(p.lbl64.Caption(), "F =") << c.why;
        EXPECT_EQ(p.lbl66.Caption(), c.verdict) << c.why;
        EXPECT_EQ(p.lbl65.ForeColor(), c.beeps ? kColorFailing : kColorBlack) << c.why;
        EXPECT_EQ(host.beeps, c.beeps) << c.why;
    }
}

}  // namespace pelzaro
