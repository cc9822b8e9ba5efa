#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "member_page_fixture.h"

namespace pelzaro {
namespace {

using Strings = std::vector<std::string>;

struct CoverDialogTest : MemberPageTest {
    // Opens the dialog with "変更" and runs `script` while it is shown.
    void change(std::function<void(Form22&)> script) {
        host.onModal<Form22>(std::move(script));
        page.cmd6.click();
    }
};

// The entry tests of OK, in order: the walls, the slab, then heel, toe and key when they exist.
struct EntryCase {
    bool heel, toe, key;
    const char *walls, *slab, *heelBox, *toeBox, *keyBox;
    const char* message;  // empty: OK passes
    const char* focused;
};

class CoverEntries : public CoverDialogTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(CoverEntries, FirstEmptyBoxSpeaksAndTakesTheCaret) {
    const EntryCase& c = GetParam();
    withParts(c.heel, c.toe, c.key);
    change([&](Form22& d) {
        d.txt1.setText(c.walls);
        d.txt3.setText(c.slab);
        d.txt4.setText(c.heelBox);
        d.txt5.setText(c.toeBox);
        d.txt6.setText(c.keyBox);
        d.cmd1.click();
        if (*c.message == '\0') return;
        EXPECT_TRUE(d.Visible()) << "a refused OK keeps the dialog open";
        ASSERT_NE(d.ActiveControl(), nullptr);
        EXPECT_EQ(d.ActiveControl()->name(), c.focused);
        EXPECT_EQ(static_cast<TextBox*>(d.ActiveControl())->SelStart(), 0);
        d.cmd2.click();
    });
    if (*c.message == '\0') {
        EXPECT_TRUE(host.messages.empty());
    } else {
        EXPECT_EQ(host.messageTexts(), Strings{c.message});
        EXPECT_EQ(page.lbl_r1.Caption(), "60") << "nothing stored";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Order, CoverEntries,
    ::testing::Values(
        EntryCase{true, true, true, "", "", "", "", "", "たて壁のかぶり厚さを入力してください。",
                  "txt1"},
        EntryCase{true, true, true, "50", "", "", "", "", "底版のかぶり厚さを入力してください。",
                  "txt3"},
        EntryCase{true, true, true, "50", "60", "", "", "",
                  "かかと版のかぶり厚さを入力してください。", "txt4"},
        EntryCase{true, true, true, "50", "60", "60", "", "",
                  "つま先版のかぶり厚さを入力してください。", "txt5"},
        EntryCase{true, true, true, "50", "60", "60", "60", "",
                  "突起のかぶり厚さを入力してください。", "txt6"},
        EntryCase{false, false, false, "50", " ", "", "", "", "", ""},  // a blank is an entry
        EntryCase{false, true, false, "50", "60", "", "", "",
                  "つま先版のかぶり厚さを入力してください。", "txt5"},
        EntryCase{true, true, true, "1e60", "60", "60", "60", "60",
                  "たて壁のかぶり厚さを入力してください。", "txt1"}));  // not storable

TEST_F(CoverDialogTest, OkWritesCoversToStateAndLabelsAndHides) {
    withParts(false, false, false);
    change([](Form22& d) {
        d.txt1.setText("40");
        d.txt3.setText("62.5");
        d.cmd1.click();
        EXPECT_FALSE(d.Visible());
    });
    EXPECT_EQ(app.m.Kaburi_A, 40.0f);
    EXPECT_EQ(app.m.Kaburi_B, 40.0f);
    EXPECT_EQ(app.m.Kaburi_E, 62.5f);
    EXPECT_EQ(page.lbl_r2.Caption(), "40");
    EXPECT_EQ(page.lbl_r6.Caption(), "62.5");
    EXPECT_EQ(page.lbl_r8.Caption(), "0") << "an absent part takes its empty box as 0";
    EXPECT_EQ(app.m.Kaburi_H, 0.0f);
    ASSERT_TRUE(app.isLoaded<Form22>());
    EXPECT_EQ(app.get<Form22>().txt3.Text(), "62.5") << "OK keeps the texts";
}

TEST_F(CoverDialogTest, CancelDiscardsTheDialogAndItsTexts) {
    change([](Form22& d) {
        d.txt1.setText("40");
        d.txt3.setText("40");
        d.cmd2.click();
    });
    EXPECT_EQ(page.lbl_r1.Caption(), "60");
    EXPECT_FALSE(app.isLoaded<Form22>());
    EXPECT_EQ(app.get<Form22>().txt1.Text(), "") << "the next opening starts empty";
}

TEST_F(CoverDialogTest, ShowsTheBoxesOfThePartsThatExistNow) {
    withParts(false, true, false);
    change([](Form22& d) {
        EXPECT_FALSE(d.txt4.Visible());
        EXPECT_FALSE(d.lbl11.Enabled());
        EXPECT_FALSE(d.lbl12.Visible());
        EXPECT_TRUE(d.txt5.Visible());
        EXPECT_FALSE(d.txt6.Visible());
        EXPECT_FALSE(d.lbl15.Enabled());
        d.txt1.setText("60");
        d.txt3.setText("60");
        d.txt5.setText("60");
        d.cmd1.click();
    });
    withParts(true, true, true);  // heel and key added since
    change([](Form22& d) {
        EXPECT_TRUE(d.txt4.Visible());
        EXPECT_TRUE(d.lbl11.Enabled());
        EXPECT_TRUE(d.lbl12.Visible());
        EXPECT_TRUE(d.txt6.Visible());
        d.cmd2.click();
    });
}

TEST_F(CoverDialogTest, EnterFollowsTheVisibleBoxesToOkWithoutPressingIt) {
    withParts(false, true, false);
    change([](Form22& d) {
        d.txt1.setText("55");
        d.txt1.click();
        Strings stops;
        for (int i = 0; i < 4 && d.ActiveControl() != &d.cmd1; ++i) {
            static_cast<TextBox*>(d.ActiveControl())->pressEnter();
            stops.push_back(d.ActiveControl()->name());
        }
        EXPECT_EQ(stops, (Strings{"txt3", "txt5", "cmd1"}));
        EXPECT_TRUE(d.Visible()) << "Enter never presses OK";
        d.cmd2.click();
    });
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CoverDialogTest, BoxesSelectOnClickAndFromTheCaretOnDoubleClick) {
    Form22& d = shown<Form22>(app);
    d.txt1.setText(std::string(35, '1'));
    d.txt1.dblClick();
    EXPECT_EQ(d.txt1.SelStart(), 30);
    EXPECT_EQ(d.txt1.SelLength(), 5);
    d.txt3.setText("12345678901234");
    d.txt3.dblClick();
    EXPECT_EQ(d.txt3.SelStart(), 10);
    d.txt4.setText("45");
    d.txt4.SetFocus();
    EXPECT_EQ(d.txt4.SelLength(), 0) << "tabbing in selects nothing";
    d.txt4.click();
    EXPECT_EQ(d.txt4.SelLength(), 2);
}

// Without a KA no row can be designed again: the rows whose cover changed lose what they
// computed with the old cover, the others keep theirs.
TEST_F(CoverDialogTest, WithoutKaTheRowsOfAChangedCoverAreEmptied) {
    withParts(false, false, false);
    prepareAllRows();
    page.txt_ka.setText("");
    app.m.Flg_Ouryoku = 1;
    change([](Form22& d) {
        d.txt1.setText("40");
        d.txt3.setText("60");
        d.cmd1.click();
    });
    EXPECT_TRUE(host.messages.empty()) << "no row runs, so no KA notice";
    EXPECT_EQ(page.lbl_r1.Caption(), "40");
    for (char letter : {'A', 'B'}) {
        EXPECT_EQ(page.row(letter).barKind->Text(), "") << letter;
        EXPECT_EQ(page.row(letter).computedSpacing->Caption(), "") << letter;
    }
    EXPECT_EQ(page.lbl_re.Caption(), "300") << "the slab's cover stayed 60";
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
}

}  // namespace
}  // namespace pelzaro
