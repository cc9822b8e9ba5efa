// The toe rule, the pair rules and the invalidation that the boxes of the page cause.

#include "stability/form23.h"
#include "wall_pages_fixture.h"

namespace pelzaro {

struct PairCase {
    const char* left;   // the box the user leaves
    const char* text;   // its text
    const char* other;  // the box of the same slab end
    const char* before;
    const char* after;  // the other box afterwards
    const char* why;
};

const PairCase kPairs[] = {
    {"txt12", "", "txt18", "0.3", "0", "no toe length: no toe thickness"},
    {"txt12", "0", "txt18", "0.3", "0", "a toe length of exactly 0 is no toe"},
    {"txt12", "0.0", "txt18", "0.3", "0.3", "0.0 counts as a toe for the page"},
    {"txt18", "", "txt12", "0.5", "0", "no toe thickness: no toe"},
    {"txt18", "0", "txt12", "0.5", "0", "thickness exactly 0"},
    {"txt18", "0.0", "txt12", "0.5", "0.5", "text other than 0 is kept"},
    {"txt16", "", "txt19", "0.3", "0", "no heel length: no heel thickness"},
    {"txt16", "0", "txt19", "0.3", "0", "heel length exactly 0"},
    {"txt16", "0.0", "txt19", "0.3", "0.3", "0.0 counts as a heel"},
    {"txt19", "", "txt16", "0.6", "0", "no heel thickness: no heel"},
    {"txt19", "0", "txt16", "0.6", "0", "heel thickness exactly 0"},
    {"txt19", "0.0", "txt16", "0.6", "0.6", "text other than 0 is kept"},
};

TEST_F(WallPagesTest, LeavingASlabBoxZeroesItsPartner) {
    for (bool oneSided : {true, false}) {
        Form4& p = showWall(oneSided);
        for (const PairCase& c : kPairs) {
            auto* left = static_cast<TextBox*>(p.find(c.left));
            auto* other = static_cast<TextBox*>(p.find(c.other));
            other->setText(c.before);
            left->setText(c.text);
            left->SetFocus();
            p.txt17.click();  // the user leaves the box
            EXPECT_EQ(other->Text(), c.after) << c.left << "=\"" << c.text << "\": " << c.why;
        }
    }
}

// The toe is its length as the calculation reads it: "0.0" or a text without a number is none,
// and neither is an end thickness without a length.
TEST_F(WallPagesTest, ToeRuleShowsFrontSoilOnlyForAToe) {
    Form4& p = showWall(true);
    p.txt12.setText("0.5");
    p.txt12.click();
    EXPECT_TRUE(p.Frame2.Visible());
    p.opt3.click();
    for (const char* noToe : {"0.0", "ab", "0"}) {
        p.txt12.click();
        p.txt12.setText(noToe);
        p.txt13.click();  // leaving hides the frame, and the choice goes with the toe
        EXPECT_FALSE(p.Frame2.Visible()) << noToe;
        EXPECT_FALSE(p.opt3.Value() || p.opt4.Value()) << noToe;
    }
    EXPECT_EQ(p.txt18.Text(), "0") << "leaving the toe length \"0\" zeroed the thickness";
    p.txt18.click();
    p.txt18.setText("0.3");
    p.txt13.click();
    EXPECT_FALSE(p.Frame2.Visible()) << "a thickness without a length is no toe";
    p.txt12.click();
    p.txt12.setText("0.6");
    p.txt13.click();
    EXPECT_TRUE(p.Frame2.Visible());
}

TEST_F(WallPagesTest, ToeRuleDoesNothingWithTheSymmetricShape) {
    Form4& p = showWall(false);
    p.txt12.setText("0.5");
    p.txt12.click();
    EXPECT_FALSE(p.Frame2.Visible());
}

TEST_F(WallPagesTest, TwoSidedFrontSurchargeFollowsTheBackSurcharge) {
    Form4& p = showWall(false);
    p.txt21.setText("12.50");
    p.txt21.SetFocus();
    p.txt22.click();
    EXPECT_EQ(app.m.Q_Zenmen, 12.5f);
    EXPECT_EQ(p.lbl33.Caption(), "12.5");
}

// Every way of changing a dimension withdraws the results; the section number and the wall
// symbol never do.
TEST_F(WallPagesTest, EditsOfADimensionWithdrawTheResults) {
    Form4& p = showWall(true);
    struct Edit {
        const char* what;
        std::function<void(Form4&)> act;
        bool invalidates;
    };
    const Edit edits[] = {
        {"click", [](Form4& f) { f.txt8.click(); }, true},
        {"typed digit", [](Form4& f) { f.txt8.type("5"); }, true},
        {"Enter", [](Form4& f) { f.txt8.pressEnter(); }, true},
        {"paste or delete", [](Form4& f) { f.txt8.userEdit("0.1"); }, true},
        {"typing the wall symbol", [](Form4& f) { f.txt2.type("B"); }, false},
        {"pasting the section number", [](Form4& f) { f.txt1.userEdit("3"); }, false},
        {"Tab into a box", [](Form4& f) { f.txt9.SetFocus(); }, false},
        {"front-soil option", [](Form4& f) { f.opt4.setValue(true); }, true},
        {"surcharge reduction box", [](Form4& f) { f.chk1.setValue(1); }, true},
    };
    for (const Edit& e : edits) {
        app.m.Sigma_max = 80.0f;
        enableToolbar();
        p.lbl53.setVisible(true);
        e.act(p);
        EXPECT_EQ(app.m.Sigma_max == 0.0f, e.invalidates) << e.what;
        EXPECT_EQ(!p.lbl53.Visible(), e.invalidates) << e.what;
        EXPECT_EQ(!toolbar(3) && !toolbar(5) && !toolbar(6), e.invalidates) << e.what;
    }
}

TEST_F(WallPagesTest, KeyChoiceHidesRowsButKeepsTheMarker) {
    Form4& p = showWall(true);
    app.m.Sigma_max = 80.0f;
    app.m.H0 = 0.4f;
    app.get<Form19>().txt1.setText("0.4");
    enableToolbar();
    p.opt6.click();
    EXPECT_TRUE(p.cmd5.Visible());
    EXPECT_EQ(app.m.Sigma_max, 80.0f);
    EXPECT_FALSE(toolbar(5));
    app.get<Form26>().txt1.setText("0.3");
    p.opt5.click();
    EXPECT_FALSE(p.cmd5.Visible());
    EXPECT_EQ(app.m.H0, 0.0f);
    EXPECT_FALSE(app.isLoaded<Form19>()) << "the residential key dialog loses its entries";
    EXPECT_EQ(app.get<Form26>().txt1.Text(), "0.3") << "the road key dialog keeps them";
}

}  // namespace pelzaro

namespace pelzaro {

// A wall made symmetric keeps no front-soil choice behind the hidden frame: the file saved
// would hold it and open again without it.
TEST_F(WallPagesTest, TheSymmetricShapeTakesTheFrontSoilChoiceAway) {
    Form4& p = showWall(true);
    p.txt12.setText("0.5");
    p.txt12.click();
    p.opt3.click();
    ASSERT_TRUE(p.opt3.Value());
    Form23& shape = shown<Form23>(app);
    shape.opt2.click();
    shape.cmd1.click();  // 寸法の入力 >
    EXPECT_FALSE(p.Frame2.Visible());
    EXPECT_FALSE(p.opt3.Value() || p.opt4.Value());
}

}  // namespace pelzaro
