// The main window: start-up, the File menu's enabling rule, New, Close, Exit and the close box,
// the reference lock, the toolbar and the fixed windows.

#include <gtest/gtest.h>

#include <string>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/form10.h"
#include "frame/form13.h"
#include "frame/form27.h"
#include "frame/form9.h"
#include "frame/mdiform1.h"
#include "members/form22.h"
#include "members/form7.h"
#include "preview/form15.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

class Frame : public ::testing::Test {
  protected:
    TestHost host;
    App app{host};
    MDIForm1& mdi = app.get<MDIForm1>();
};

TEST_F(Frame, StartUpShowsNoPageAndDisablesTheResultButtons) {
    EXPECT_EQ(app.m.Flg_Page, Page_None);
    EXPECT_FALSE(mdi.Toolbar1.button(3).isEnabled());
    EXPECT_FALSE(mdi.Toolbar1.button(5).isEnabled());
    EXPECT_FALSE(mdi.Toolbar1.button(6).isEnabled());
    EXPECT_TRUE(mdi.Toolbar1.button(1).enabled);
    EXPECT_FALSE(app.isLoaded<Form3>());
    EXPECT_EQ(mdi.Caption(), "Pelzaro");
}

struct MenuRow {
    const char* why;
    float sigmaMax;
    int ouryoku;
    const char* path;
    bool saveAs, overwrite, image, print;
};

class FileMenuTruthTable : public Frame, public ::testing::WithParamInterface<MenuRow> {};

TEST_P(FileMenuTruthTable, ItemsFollowTheMarkersEachTimeTheMenuOpens) {
    const MenuRow& r = GetParam();
    // Start from the opposite of the expectation, so that every item has to be set.
    for (MenuItem* item : {&mdi.Men_FSav, &mdi.Men_FOvw, &mdi.Men_FImg, &mdi.Men_FPrn}) {
        item->enabled = !item->enabled;
    }
    mdi.Men_FSav.enabled = !r.saveAs;
    mdi.Men_FOvw.enabled = !r.overwrite;
    mdi.Men_FImg.enabled = !r.image;
    mdi.Men_FPrn.enabled = !r.print;
    app.m.Sigma_max = r.sigmaMax;
    app.m.Flg_Ouryoku = r.ouryoku;
    mdi.CommonDialog1_FileName = r.path;
    mdi.Men_F.choose();
    EXPECT_EQ(mdi.Men_FSav.enabled, r.saveAs) << r.why;
    EXPECT_EQ(mdi.Men_FOvw.enabled, r.overwrite) << r.why;
    EXPECT_EQ(mdi.Men_FImg.enabled, r.image) << r.why;
    EXPECT_EQ(mdi.Men_FPrn.enabled, r.print) << r.why;
    for (MenuItem* always : {&mdi.Men_FNew, &mdi.Men_FOpn, &mdi.Men_FCls, &mdi.Men_FEnd}) {
        EXPECT_TRUE(always->enabled) << r.why;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Markers, FileMenuTruthTable,
    ::testing::Values(
        MenuRow{"nothing calculated", 0, 0, "", false, false, false, false},
        MenuRow{"nothing calculated, file open", 0, 0, "a.qkz", false, false, false, false},
        MenuRow{"stability only", 120, 0, "", false, false, true, true},
        MenuRow{"stability only, file open", 120, 0, "a.qkz", false, false, true, true},
        MenuRow{"stress check, never saved", 120, 1, "", true, false, true, true},
        MenuRow{"stress check, saved", 120, 1, "a.qkz", true, true, true, true},
        // A stress check that outlived its stability result saves nothing: the file would open
        // with the stability calculated again and other member rows.
        MenuRow{"stress marker without stability", 0, 1, "", false, false, false, false},
        MenuRow{"stress marker without stability, saved", 0, 1, "a.qkz", false, false, false,
                false}));

TEST_F(Frame, NewShowsAFreshPageAndKeepsTheLastingDialogs) {
    mdi.FileNew();
    Form3& old = app.get<Form3>();
    old.txt1.type("old site");
    app.get<Form22>();
    app.get<Form26>();
    app.get<Form15>();
    app.get<Form14>();
    app.get<Form21>();
    app.get<Form25>().Text1.setText("0.2");
    app.m.Sigma_max = 100;
    app.m.Flg_Ouryoku = 1;
    mdi.CommonDialog1_FileName = "a.qkz";

    mdi.Men_FNew.choose();
    Form3& page = app.get<Form3>();
    EXPECT_NE(&page, &old);
    EXPECT_EQ(page.txt1.Text(), "");
    EXPECT_TRUE(page.Visible());
    EXPECT_TRUE(page.txt1.hasFocus());
    EXPECT_EQ(app.m.Flg_Page, Page_Conditions);
    EXPECT_FLOAT_EQ(app.m.Sigma_max, 0);
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_EQ(mdi.CommonDialog1_FileName, "");
    EXPECT_FALSE(app.isLoaded<Form14>());
    EXPECT_FALSE(app.isLoaded<Form21>());
    EXPECT_EQ(app.get<Form25>().Text1.Text(), "");
    EXPECT_TRUE(app.isLoaded<Form22>());
    EXPECT_TRUE(app.isLoaded<Form26>());
    EXPECT_TRUE(app.isLoaded<Form15>());
    EXPECT_TRUE(host.messages.empty());  // New asks nothing
}

TEST_F(Frame, NewTwiceEqualsNewOnce) {
    mdi.FileNew();
    mdi.Toolbar1.press(1);
    Form3& page = app.get<Form3>();
    EXPECT_TRUE(page.Visible());
    EXPECT_FALSE(page.txt13.Visible());
    EXPECT_FALSE(page.cmd7.Enabled());
    EXPECT_EQ(app.m.Flg_Page, Page_Conditions);
}

TEST_F(Frame, CloseAnsweredCancelChangesNothing) {
    mdi.FileNew();
    app.get<Form3>().txt1.type("site");
    app.m.Sigma_max = 100;
    mdi.CommonDialog1_FileName = "a.qkz";
    host.answerNext(MsgAnswer::Cancel);
    mdi.Men_FCls.choose();
    const Message& q = host.lastMessage();
    EXPECT_EQ(q.text, "閉じてもよろしいですか？");
    EXPECT_EQ(q.title, "確認");
    EXPECT_EQ(q.buttons, MsgButtons::OKCancel);
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(q.defaultButton, 2);
    EXPECT_EQ(app.get<Form3>().txt1.Text(), "site");
    EXPECT_FLOAT_EQ(app.m.Sigma_max, 100);
    EXPECT_EQ(mdi.CommonDialog1_FileName, "a.qkz");
    EXPECT_EQ(app.m.Flg_Page, Page_Conditions);
}

TEST_F(Frame, CloseAnsweredOkLeavesNoProjectButKeepsTheSeismicCheckDialog) {
    mdi.FileNew();
    app.get<Form21>();
    app.get<Form22>();
    app.m.Sigma_max = 100;
    app.m.Flg_Ouryoku = 1;
    mdi.CommonDialog1_FileName = "a.qkz";
    host.answerNext(MsgAnswer::OK);
    mdi.Men_FCls.choose();
    for (bool loaded : {app.isLoaded<Form3>(), app.isLoaded<Form23>(), app.isLoaded<Form4>(),
                        app.isLoaded<Form7>(), app.isLoaded<Form14>(), app.isLoaded<Form19>(),
                        app.isLoaded<Form25>()}) {
        EXPECT_FALSE(loaded);
    }
    EXPECT_TRUE(app.isLoaded<Form21>());
    EXPECT_TRUE(app.isLoaded<Form22>());
    EXPECT_EQ(app.m.Flg_Page, Page_None);
    EXPECT_FLOAT_EQ(app.m.Sigma_max, 0);
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_EQ(mdi.CommonDialog1_FileName, "");
    mdi.Men_F.choose();
    EXPECT_FALSE(mdi.Men_FImg.enabled);
}

struct QuitCase {
    const char* why;
    bool byCloseBox;
    MsgAnswer answer;
    bool quits;
};

class Quitting : public Frame, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(Quitting, AsksOnceAndEndsOnlyOnYes) {
    const QuitCase& c = GetParam();
    mdi.FileNew();
    host.answerNext(c.answer);
    if (c.byCloseBox) {
        EXPECT_EQ(mdi.MDIForm_QueryUnload(), c.quits) << c.why;
    } else {
        mdi.Men_FEnd.choose();
    }
    ASSERT_EQ(host.messages.size(), 1u) << c.why;
    const Message& q = host.lastMessage();
    EXPECT_EQ(q.buttons, MsgButtons::YesNo) << c.why;
    if (c.byCloseBox) {
        EXPECT_EQ(q.text, "終了してもよろしいですか?");
        EXPECT_EQ(q.title, "Pelzaro");
        EXPECT_EQ(q.icon, MsgIcon::None);
        EXPECT_EQ(q.defaultButton, 1);
    } else {
        EXPECT_EQ(q.text, "終了してもよろしいですか？");
        EXPECT_EQ(q.title, "確認");
        EXPECT_EQ(q.defaultButton, 2);
    }
    EXPECT_EQ(host.quitRequested, c.quits) << c.why;
    EXPECT_TRUE(app.get<Form3>().Visible()) << c.why;
}

INSTANTIATE_TEST_SUITE_P(Answers, Quitting,
                         ::testing::Values(QuitCase{"Exit, No", false, MsgAnswer::No, false},
                                           QuitCase{"Exit, Yes", false, MsgAnswer::Yes, true},
                                           QuitCase{"close box, No", true, MsgAnswer::No, false},
                                           QuitCase{"close box, Yes", true, MsgAnswer::Yes, true}));

struct ReferenceCase {
    const char* why;
    int standard;  // -1 no page, 0 none chosen, 1 residential land, 2 road
    bool road;
};

class ReferenceLock : public Frame, public ::testing::WithParamInterface<ReferenceCase> {};

TEST_P(ReferenceLock, LocksFileMenuAndToolbarUntilClosed) {
    const ReferenceCase& c = GetParam();
    if (c.standard >= 0) mdi.FileNew();
    if (c.standard == 1) app.get<Form3>().opt_T.click();
    if (c.standard == 2) app.get<Form3>().opt_D.click();
    mdi.Men_S.choose();
    EXPECT_FALSE(mdi.Men_F.enabled) << c.why;
    EXPECT_FALSE(mdi.Men_S.enabled) << c.why;
    EXPECT_FALSE(mdi.Toolbar1.visible) << c.why;
    EXPECT_TRUE(mdi.Men_H.enabled && mdi.Men_FVer.enabled) << c.why;
    EXPECT_EQ(app.isLoaded<Form9>(), c.road) << c.why;
    EXPECT_EQ(app.isLoaded<Form10>(), !c.road) << c.why;
    ReferenceWindow& w = c.road ? static_cast<ReferenceWindow&>(app.get<Form9>())
                                : static_cast<ReferenceWindow&>(app.get<Form10>());
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.geometry.left, 0);
    EXPECT_EQ(w.geometry.top, 0);
    w.cmd1.click();
    EXPECT_FALSE(app.isLoaded<Form9>() || app.isLoaded<Form10>()) << c.why;
    EXPECT_TRUE(mdi.Men_F.enabled && mdi.Men_S.enabled && mdi.Toolbar1.visible) << c.why;
}

INSTANTIATE_TEST_SUITE_P(Standards, ReferenceLock,
                         ::testing::Values(ReferenceCase{"no page yet", -1, false},
                                           ReferenceCase{"no standard chosen", 0, false},
                                           ReferenceCase{"residential land", 1, false},
                                           ReferenceCase{"road guideline", 2, true}));

TEST_F(Frame, ReferenceWindowsShowTheirTables) {
    auto hasCell = [](const ReferenceWindow& w, const std::string& text) {
        for (const auto& cell : w.cells()) {
            if (cell->Caption() == text) return true;
        }
        return false;
    };
    EXPECT_TRUE(hasCell(app.get<Form10>(), "◎ 建築基礎構造設計指針"));
    EXPECT_TRUE(hasCell(app.get<Form10>(), "シルト、粘土"));
    EXPECT_TRUE(hasCell(app.get<Form9>(), "設計水平震度の標準値(Kho)"));
    EXPECT_TRUE(hasCell(app.get<Form9>(), "大規模地震動対応"));
}

TEST_F(Frame, ToolbarDispatchByIndex) {
    mdi.Toolbar1.press(1);
    EXPECT_TRUE(app.get<Form3>().Visible());
    for (int i : {3, 5, 6}) mdi.Toolbar1.button(i).enabled = true;
    app.m.Sigma_max = 50.0f;  // a stability result to print
    mdi.Toolbar1.press(6);
    ASSERT_FALSE(host.modalsRun.empty());
    EXPECT_EQ(host.modalsRun.back(), "Form15");
    size_t modals = host.modalsRun.size();
    mdi.Toolbar1_ButtonClick(4);  // the separator does nothing
    EXPECT_EQ(host.modalsRun.size(), modals);
    mdi.Men_FPrn.choose();
    EXPECT_EQ(host.modalsRun.back(), "Form15");
}

TEST_F(Frame, VersionBoxIsModalAndDiscardedByOk) {
    bool shownModally = false;
    host.onModal<Form13>([&](Form13& box) {
        shownModally = box.isModal();
        EXPECT_EQ(box.Label1.Caption(), "Pelzaro　Version 2.00");
        box.cmd1.click();
    });
    mdi.Men_FVer.choose();
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(app.isLoaded<Form13>());
}

TEST_F(Frame, SurchargeNoteHidesAndStaysLoaded) {
    host.onModal<Form27>([](Form27& note) { note.cmd1.click(); });
    app.get<Form27>().ShowModal();
    EXPECT_TRUE(app.isLoaded<Form27>());
    EXPECT_FALSE(app.get<Form27>().Visible());
    EXPECT_EQ(app.get<Form27>().lblTitle.Caption(), "背面上載荷重の土圧について");
}

}  // namespace
}  // namespace pelzaro
