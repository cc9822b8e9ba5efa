#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "member_page_fixture.h"

namespace pelzaro {
namespace {

using Strings = std::vector<std::string>;

TEST_F(MemberPageTest, EveryRowListsTheTwentyOneBarKindsInOrder) {
    const Strings expected = {"  D10", "D10,D13", "  D13", "D13,D16", "  D16", "D16,D19",
                              "  D19", "D19,D22", "  D22", "D22,D25", "  D25", "D25,D29",
                              "  D29", "D29,D32", "  D32", "D32,D35", "  D35", "D35,D38",
                              "  D38", "D38,D41", "  D41"};
    for (const Form7Row& r : page.rows()) {
        EXPECT_EQ(r.barKind->items(), expected) << "row " << r.letter;
        EXPECT_EQ(r.cover->Caption(), "60") << "row " << r.letter;
    }
    EXPECT_EQ(app.m.Flg_Page, Page_Section);
}

// Enter in each spacing field, from row E on, for every combination of heel, toe and key.
struct ChainCase {
    bool heel, toe, key;
    Strings stopsAfterE;  // where Enter leads, field by field, until the button
    const char* why;
};

class EnterChain : public MemberPageTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(EnterChain, SkipsTheRowsOfAbsentParts) {
    const ChainCase& c = GetParam();
    withParts(c.heel, c.toe, c.key);
    Strings stops;
    page.txt1.click();
    for (int i = 0; i < 12 && page.ActiveControl() != &page.cmd1; ++i) {
        static_cast<TextBox*>(page.ActiveControl())->pressEnter();
        stops.push_back(page.ActiveControl()->name());
    }
    Strings expected = {"txt2", "txt5", "txt6", "txt7"};
    expected.insert(expected.end(), c.stopsAfterE.begin(), c.stopsAfterE.end());
    EXPECT_EQ(stops, expected) << c.why;
    EXPECT_TRUE(page.cmd1.Caption() == "応力度計算");
    EXPECT_EQ(host.messages.size(), 0u) << "the button is focused, not pressed";
}

INSTANTIATE_TEST_SUITE_P(
    HeelToeKey, EnterChain,
    ::testing::Values(
        ChainCase{false, false, false, {"cmd1"}, "no heel, toe or key: E goes to the button"},
        ChainCase{false, false, true, {"txt10", "cmd1"}, "key only: E goes to H"},
        ChainCase{false, true, false, {"txt9", "cmd1"}, "toe only"},
        ChainCase{false, true, true, {"txt9", "txt10", "cmd1"}, "no heel: E to G, G to H"},
        ChainCase{true, false, false, {"txt8", "cmd1"}, "heel only"},
        ChainCase{true, false, true, {"txt8", "txt10", "cmd1"}, "no toe: F to H"},
        ChainCase{true, true, false, {"txt8", "txt9", "cmd1"}, "no key: G to the button"},
        ChainCase{true, true, true, {"txt8", "txt9", "txt10", "cmd1"}, "every part"}));

TEST_F(MemberPageTest, EnterSelectsTheNextSpacingAndClearsTheRowItLeaves) {
    page.txt2.setText("150");
    fillResults('A');
    fillResults('B');
    page.txt1.click();
    page.txt1.pressEnter();
    EXPECT_TRUE(page.txt2.hasFocus());
    EXPECT_EQ(page.txt2.SelText(), "150");
    EXPECT_EQ(results('A'), (Strings{"", "", "", ""}));
    EXPECT_EQ(results('B'), (Strings{"x", "x", "x", "x"})) << "the row reached is not cleared";
}

// Every way the user changes a spacing clears that row's four results, withdraws the stress
// check and disables overwrite save and print image; the other rows, the bar kind and the
// computed spacing stay.
struct SpacingEdit {
    const char* name;
    void (*edit)(TextBox&);
};

class SpacingEdits : public MemberPageTest, public ::testing::WithParamInterface<SpacingEdit> {};

TEST_P(SpacingEdits, ClearOnlyTheirRowAndWithdrawTheCheck) {
    prepareAllRows();
    fillResults('C');
    fillResults('D');
    app.m.Flg_Ouryoku = 1;
    enableSaveAndPrint();
    GetParam().edit(page.txt5);
    EXPECT_EQ(results('C'), (Strings{"", "", "", ""}));
    EXPECT_EQ(results('D'), (Strings{"x", "x", "x", "x"}));
    EXPECT_EQ(page.cbo5.Text(), "  D16");
    EXPECT_EQ(page.lbl_re.Caption(), "300");
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(printImageEnabled());
    EXPECT_EQ(main.Toolbar1.button(6).isEnabled(), false) << "print is not this page's";
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SpacingEdits,
    ::testing::Values(SpacingEdit{"click", [](TextBox& t) { t.click(); }},
                      SpacingEdit{"typed", [](TextBox& t) { t.type("1"); }},
                      SpacingEdit{"enter", [](TextBox& t) { t.pressEnter(); }},
                      SpacingEdit{"delete", [](TextBox& t) { t.userEdit(""); }},
                      SpacingEdit{"paste", [](TextBox& t) { t.userEdit("125"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemberPageTest, SpacingSetByTheProgramClearsNothing) {
    fillResults('A');
    app.m.Flg_Ouryoku = 1;
    page.txt1.setText("180");
    EXPECT_EQ(results('A'), (Strings{"x", "x", "x", "x"}));
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
}

TEST_F(MemberPageTest, SpacingFieldsSelectOnFocusAndFromTheEleventhCharOnDoubleClick) {
    page.txt6.setText("123456789012345");
    page.txt6.SetFocus();
    EXPECT_EQ(page.txt6.SelLength(), 15);
    page.txt6.dblClick();
    EXPECT_EQ(page.txt6.SelStart(), 10);
    EXPECT_EQ(page.txt6.SelText(), "12345");
}

TEST_F(MemberPageTest, KaNoticeOnlyForAnEmptyText) {
    page.txt_ka.setText(" ");
    page.Tyuui();
    EXPECT_TRUE(host.messages.empty()) << "a blank is not empty";

    page.txt_ka.setText("");
    page.txt1.SetFocus();
    page.Tyuui();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastMessage().text, "主働土圧係数を入力してください。");
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    EXPECT_TRUE(page.txt_ka.hasFocus());
    EXPECT_EQ(page.txt_ka.SelStart(), 0);
}

TEST_F(MemberPageTest, BarKindWithoutKaIsWithdrawnAndNothingComputed) {
    page.lbl_rb.setCaption("187");
    page.cbo2.pick(4);
    EXPECT_EQ(host.messageTexts(), (Strings{"主働土圧係数を入力してください。"}));
    EXPECT_EQ(page.cbo2.Text(), "");
    EXPECT_EQ(page.lbl_rb.Caption(), "") << "a row without a bar kind shows no spacing";
    EXPECT_EQ(app.m.a1_B, 0.0f);
}

TEST(MemberPageReset, WorksOnAPageNeverCreatedBefore) {
    TestHost host;
    App app(host);
    app.m.Flg_Ouryoku = 1;
    ASSERT_FALSE(app.isLoaded<Form7>());
    app.get<Form7>().Hihyouji_3();
    Form7& page = app.get<Form7>();
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_FALSE(page.Visible()) << "the reset neither shows nor hides";
    EXPECT_EQ(page.cbo1.ListCount(), 21);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MemberPageTest, ResetEmptiesRowsAndKaButKeepsCoversRowsShownAndSurcharge) {
    withParts(true, false, true);
    prepareAllRows();
    fillResults('A');
    page.lbl_r5.setCaption("70");
    page.txt_ka.setText("0.35");
    page.chk_1.setValue(1);
    page.txt_1.setText("2.5");
    app.m.Flg_Ouryoku = 1;
    enableSaveAndPrint();
    const float requiredA = app.m.KankakuReq_A;

    page.Hihyouji_3();

    for (const Form7Row& r : page.rows()) {
        EXPECT_EQ(r.barKind->Text(), "") << r.letter;
        EXPECT_EQ(r.computedSpacing->Caption(), "") << r.letter;
        EXPECT_EQ(r.designSpacing->Text(), "") << r.letter;
        EXPECT_EQ(results(r.letter), (Strings{"", "", "", ""})) << r.letter;
    }
    EXPECT_EQ(page.txt_ka.Text(), "");
    EXPECT_EQ(page.lbl_r5.Caption(), "70");
    EXPECT_TRUE(page.txt8.Visible());
    EXPECT_FALSE(page.txt9.Visible());
    EXPECT_EQ(page.txt_1.Text(), "2.5");
    EXPECT_EQ(page.chk_1.Value(), 1);
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_FALSE(saveEnabled()) << "saving goes with the stress check";
    EXPECT_EQ(app.m.KankakuReq_A, requiredA) << "state values stay until the rows run again";
    EXPECT_TRUE(host.messages.empty()) << "clearing the lists runs no row";
}

TEST_F(MemberPageTest, DirectInputEmptiesEveryRowAndTakesTheFocus) {
    prepareAllRows();
    fillResults('H');
    page.txt_ka.setText("0.297");
    page.txt_ka.BorderStyle = 0;
    app.m.Flg_Ouryoku = 1;
    enableSaveAndPrint();
    page.cmd4.click();
    EXPECT_TRUE(page.txt_ka.hasFocus());
    EXPECT_EQ(page.txt_ka.SelText(), "0.297");
    EXPECT_EQ(page.txt_ka.BorderStyle, 1);
    EXPECT_TRUE(page.opt1.Value());
    for (const Form7Row& r : page.rows()) {
        EXPECT_EQ(r.barKind->Text() + r.computedSpacing->Caption() + r.designSpacing->Text(), "")
            << r.letter;
    }
    EXPECT_EQ(results('H'), (Strings{"", "", "", ""}));
    EXPECT_EQ(page.lbl_r1.Caption(), "60");
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(printImageEnabled());
}

TEST_F(MemberPageTest, UntickingTheSurchargeInertiaEmptiesWallRowsOnly) {
    prepareAllRows();
    page.chk_1.setValue(1);
    page.txt_1.setText("3");
    fillResults('A');
    fillResults('C');
    app.m.Flg_Ouryoku = 1;
    page.chk_1.click();
    EXPECT_EQ(page.txt_1.Text(), "");
    EXPECT_FALSE(page.txt_1.Enabled());
    EXPECT_FALSE(page.lbl_1.Enabled());
    EXPECT_EQ(page.cbo1.Text() + page.cbo2.Text() + page.txt1.Text() + page.txt2.Text(), "");
    EXPECT_EQ(page.lbl_ra.Caption() + page.lbl_rb.Caption(), "");
    EXPECT_EQ(results('A'), (Strings{"", "", "", ""}));
    EXPECT_EQ(results('C'), (Strings{"x", "x", "x", "x"}));
    EXPECT_EQ(page.cbo5.Text(), "  D16");
    EXPECT_EQ(app.m.Flg_Ouryoku, 0) << "rows without bar kinds cannot stand as checked";
    page.chk_1.click();
    EXPECT_TRUE(page.txt_1.Enabled());
}

// Changing the height of the surcharge inertia changes the forces of rows A and B: the user's
// change empties both rows as the check box does; the program's only clears their results.
TEST_F(MemberPageTest, UserChangeOfTheSurchargeHeightEmptiesWallRows) {
    page.chk_1.setValue(1);
    prepareAllRows();
    page.txt_1.type("4");
    EXPECT_EQ(page.cbo1.Text() + page.cbo2.Text() + page.lbl_ra.Caption() + page.txt2.Text(), "");
    EXPECT_EQ(page.cbo5.Text(), "  D16");

    prepareAllRows();
    page.txt_1.userEdit("");
    EXPECT_EQ(page.cbo1.Text() + page.lbl_rb.Caption() + page.txt1.Text(), "") << "delete";

    prepareAllRows();
    fillResults('A');
    page.txt_1.setText("2");
    EXPECT_EQ(results('A'), (Strings{"", "", "", ""}));
    EXPECT_EQ(page.cbo1.Text(), "  D16") << "a height set by the program keeps the bar kind";
}

TEST_F(MemberPageTest, UserEditOfTheKaEmptiesWallRowsAndWithdrawsTheCheck) {
    prepareAllRows();
    page.txt_ka.setText("0.30");
    app.m.Flg_Ouryoku = 1;
    enableSaveAndPrint();
    page.txt_ka.type("5");
    EXPECT_EQ(page.cbo1.Text() + page.cbo2.Text() + page.lbl_ra.Caption(), "");
    EXPECT_EQ(page.cbo7.Text(), "  D16");
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(printImageEnabled());

    prepareAllRows();
    app.m.Flg_Ouryoku = 1;
    page.txt_ka.userEdit("0.4");
    EXPECT_EQ(page.cbo2.Text(), "") << "a paste counts as an edit";
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);

    prepareAllRows();
    app.m.Flg_Ouryoku = 1;
    enableSaveAndPrint();
    page.txt_ka.setText("0.33");
    EXPECT_EQ(page.cbo1.Text(), "  D16") << "a KA written by the program stays silent";
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
    EXPECT_TRUE(saveEnabled());
}

}  // namespace
}  // namespace pelzaro
