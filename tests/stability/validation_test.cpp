// "安定性の検討": the fourteen tests in their order, their messages, focus and side effects.

#include "wall_pages_fixture.h"

namespace pelzaro {

struct ValidationCase {
    const char* why;
    std::function<void(Form4&)> spoil;  // the one thing wrong with an otherwise good page
    const char* message;
    const char* focus;  // control focused afterwards
};

TEST_F(WallPagesTest, ValidationStopsAtTheFirstFailingTestInOrder) {
    normalCase();
    const char* dims = "寸法を入力してください。";
    const ValidationCase cases[] = {
        {"section number empty (and the rest empty too)",
         [](Form4& f) {
             for (TextBox* b : f.inputBoxes()) b->setText("");
         },
         "§番号を入力してください。", "txt1"},
        {"wall symbol", [](Form4& f) { f.txt2.setText(""); }, "擁壁の記号を入力してください。",
         "txt2"},
        {"front height, one-sided", [](Form4& f) { f.txt4.setText(""); }, dims, "txt4"},
        {"toe length is required", [](Form4& f) { f.txt12.setText(""); }, dims, "txt12"},
        {"base thickness", [](Form4& f) { f.txt17.setText(""); }, dims, "txt17"},
        {"back surcharge", [](Form4& f) { f.txt21.setText(""); }, "上載荷重を入力してください。",
         "txt21"},
        {"heel length without thickness text 0", [](Form4& f) { f.txt19.setText("0"); }, dims,
         "txt19"},
        {"heel thickness alone triggers the heel pair", [](Form4& f) { f.txt16.setText(""); }, dims,
         "txt16"},
        {"toe length with an empty thickness", [](Form4& f) { f.txt18.setText(""); }, dims,
         "txt18"},
        {"front soil not chosen", [](Form4& f) { f.opt3.setValue(false); },
         "前面土荷重の計算の有無を選択してください。", "cmd3"},
        {"vertical component not chosen", [](Form4& f) { f.opt1.setValue(false); },
         "土圧の鉛直成分の参入の有無を選択してください。", "cmd3"},
    };
    for (const ValidationCase& c : cases) {
        Form4& p = showWall(true);
        fillWall();
        p.Frame2.setVisible(true);
        chooseNormalMethods();
        c.spoil(p);
        host.clearRecords();
        p.cmd3.click();
        ASSERT_EQ(host.messages.size(), 1u) << c.why;
        EXPECT_EQ(host.lastMessage().text, c.message) << c.why;
        EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
        EXPECT_EQ(focusedName(p), c.focus) << c.why;
        if (auto* box = dynamic_cast<TextBox*>(p.ActiveControl())) {
            EXPECT_EQ(box->SelStart(), 0) << "caret at the start: " << c.why;
        }
    }
}

TEST_F(WallPagesTest, PairTestsCompareTheExactText) {
    normalCase();
    Form4& p = showWall(true);
    fillWall();
    chooseNormalMethods();
    p.txt16.setText("1.2");
    p.txt19.setText("0.0");  // not the text "0": passes although the thickness reads 0
    p.txt12.setText("0");
    p.txt18.setText("");  // no toe at all passes steps 4 and 7
    p.txt22.setText(" ");  // blanks are not empty: they pass and read as 0
    app.m.Sigma_max = 0.0f;
    p.cmd3.click();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_EQ(app.m.D_Kakato, 0.0f);
}

TEST_F(WallPagesTest, AFailedPressStillCopiesTheTenFields) {
    Form4& p = showWall(true);
    fillWall();
    p.txt1.setText("");
    p.txt21.setText("7.5");
    p.cmd3.click();
    EXPECT_EQ(app.m.H1, 0.5f);
    EXPECT_EQ(app.m.H3, 2.0f);
    EXPECT_EQ(app.m.B_Kakato, 0.6f);
    EXPECT_EQ(app.m.Q_Haimen, 7.5f);
    EXPECT_EQ(p.lbl33.Caption(), "7.5");
}

TEST_F(WallPagesTest, TwoSidedShapeNeedsNoFrontHeights) {
    normalCase();
    Form4& p = showWall(false);
    fillWall();
    p.txt3.setText("");
    p.txt4.setText("");
    app.get<Form14>().opt1.setValue(true);
    p.cmd3.click();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_EQ(focusedName(p), "cmd1");
}

TEST_F(WallPagesTest, MissingCheckMethodsOpenTheirDialog) {
    normalCase();
    app.m.C = 5.0f;
    Form4& p = showWall(true);
    fillWall();
    p.Frame2.setVisible(false);
    app.get<Form14>().opt1.setValue(true);
    app.get<Form14>().opt4.setEnabled(false);
    bool groupEnabled = false;
    host.onModal<Form14>([&](Form14& d) {
        groupEnabled = d.opt4.Enabled() && d.opt5.Enabled() && d.lbl1.Enabled();
        d.cmd2.click();
    });
    p.cmd3.click();
    EXPECT_EQ(host.lastMessage().text, "底版の有効載荷面積に対する検討方法を選択してください。");
    EXPECT_TRUE(groupEnabled);
}

TEST_F(WallPagesTest, SeismicOverturningMissingAlsoClearsTheSlidingChoice) {
    seismicCase();
    Form4& p = showWall(true);
    fillWall();
    p.Frame2.setVisible(false);
    app.get<Form21>().opt5.setValue(true);
    p.cmd3.click();
    EXPECT_EQ(host.lastMessage().text, "転倒に対する検討方法を選択してください。");
    EXPECT_FALSE(app.get<Form21>().opt5.Value());
    EXPECT_EQ(host.modalsRun.back(), "Form21");
    host.clearRecords();
    app.get<Form21>().opt2.setValue(true);
    p.cmd3.click();
    EXPECT_EQ(host.lastMessage().text, "滑動に対する検討方法を選択してください。");
}

// A focus change made by the program after a message is not the user leaving a field: the
// toe length left empty keeps its thickness until the user moves on.
TEST_F(WallPagesTest, PairRulesDoNotRunInsideTheValidation) {
    Form4& p = showWall(true);
    fillWall();
    p.txt1.setText("");
    p.txt12.setText("");
    p.txt12.SetFocus();
    p.cmd3_Click();  // pressed by its access key: the focus stays in the toe length
    EXPECT_EQ(focusedName(p), "txt1");
    EXPECT_EQ(p.txt18.Text(), "0.3");
}

}  // namespace pelzaro
