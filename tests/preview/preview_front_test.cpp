// The preview and the input pages: closing the preview gives back the page the user came from,
// with its place in the page sequence, and while the preview is open no input page comes to
// the front or takes the user's input; what discards the project closes the preview first.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/form10.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/preview_page.h"
#include "preview/preview_paging.h"
#include "preview_fixture.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/sample_fixture.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

// A sample opened through File ▸ Open; the user walks from the design conditions to the page
// of the test with the pages' own buttons.
struct OpenedProject : SampleProgram<> {
    void SetUp() override {
        openSampleNamed("residential-normal-one-sided.qkz");
        ASSERT_EQ(app.activeWindow(), app.find<Form3>());
    }

    // "地盤の形状 >", "寸法の入力 >" and "断面計算 >" as far as the page of the marker.
    Window& goTo(int flgPage) {
        if (flgPage >= Page_Dimensions) {
            app.get<Form3>().cmd3.click();
            app.get<Form23>().cmd1.click();
        }
        if (flgPage >= Page_Section) app.get<Form4>().cmd1.click();
        EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
        EXPECT_EQ(app.m.Flg_Page, flgPage);
        return *app.activeWindow();
    }

    PreviewPage& shown() { return previewWindow(app, shownPage(app)); }
    void turn(const std::string& steps) {
        for (char step : steps) (step == '>' ? shown().Men_Nex : shown().Men_Pre).choose();
    }
};

// ------------------------------------------------------------------ closing gives the page back

struct WayBack {
    const char* why;
    int Flg_Page;       // the input page the user opens the preview on
    int startPage;      // the report page the preview opens at
    const char* walk;   // Next (>) and Previous (<) before "閉じる"
    const char* front;  // the window in front again
};

class ClosingThePreview : public OpenedProject, public ::testing::WithParamInterface<WayBack> {};

TEST_P(ClosingThePreview, GivesBackThePageItWasOpenedFromAndTheNextPreviewStartsThereAgain) {
    const WayBack& row = GetParam();
    Window& from = goTo(row.Flg_Page);
    ASSERT_EQ(from.name(), row.front);

    main.FileImage();
    ASSERT_EQ(shownPage(app), row.startPage);
    turn(row.walk);
    shown().Men_Cls.choose();

    EXPECT_EQ(shownPage(app), 0) << row.why;
    EXPECT_EQ(app.activeWindow(), &from) << row.why;
    EXPECT_TRUE(from.Visible()) << row.why;
    EXPECT_TRUE(from.takesUserInput()) << row.why;
    EXPECT_EQ(app.m.Flg_Page, row.Flg_Page) << row.why;
    EXPECT_TRUE(main.Toolbar1.visible) << row.why;

    main.FileImage();
    EXPECT_EQ(shownPage(app), row.startPage) << row.why;
}

INSTANTIATE_TEST_SUITE_P(
    Preview, ClosingThePreview,
    ::testing::Values(
        WayBack{"design conditions, through page 4 (which hides the member page)", Page_Conditions,
                1, ">>>", "Form3"},
        WayBack{"wall dimensions, to page 4 and back to 3", Page_Dimensions, 2, ">><", "Form4"},
        WayBack{"member design, back to page 4 and on to page 6 (page 5's way hides the page)",
                Page_Section, 5, "<>>", "Form7"},
        WayBack{"member design, closed where it opened", Page_Section, 5, "", "Form7"}));

TEST(ClosingThePreviewOfANewProject, KeepsTheMarkerThatCreatingThePagesOnTheWayMoved) {
    TestHost host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();
    main.FileNew();
    Form3& conditions = app.get<Form3>();
    ASSERT_EQ(app.m.Flg_Page, Page_Conditions);
    main.FileImage();
    // Page 2 recalculates the stability through the wall-dimensions page, page 4's way hides
    // the member-design page: both are created on the way, each setting the marker to itself.
    for (int page = 1; page < 4; ++page) previewWindow(app, page).Men_Nex.choose();
    ASSERT_TRUE(app.isLoaded<Form4>());
    ASSERT_TRUE(app.isLoaded<Form7>());

    app.get<Form18>().Men_Cls.choose();

    EXPECT_EQ(app.activeWindow(), &conditions);
    EXPECT_EQ(app.m.Flg_Page, Page_Conditions);
    main.FileImage();
    EXPECT_EQ(shownPage(app), 1);
}

// ------------------------------------------------------------------ the preview stays in front

struct PreviewOpen : OpenedProject {
    Window* memberPage = nullptr;
    void SetUp() override {
        OpenedProject::SetUp();
        memberPage = &goTo(Page_Section);
        main.FileImage();
        ASSERT_EQ(shownPage(app), 5);
        host.clearRecords();
    }
    // Every input page exists now; the wall-dimensions and conditions pages lie behind.
    std::vector<Window*> inputPages() {
        return {&app.get<Form3>(), &app.get<Form23>(), &app.get<Form4>(), &app.get<Form7>()};
    }
};

TEST_F(PreviewOpen, NoInputPageComesToTheFrontNorTakesInput) {
    PreviewPage& preview = shown();
    for (Window* page : inputPages()) {
        app.activate(*page);  // what a click on the page or the window-cycling keys ask for
        EXPECT_EQ(app.activeWindow(), &preview) << page->name();
        EXPECT_FALSE(page->takesUserInput()) << page->name();
        page->Show();  // even shown by the program, it stays behind
        EXPECT_EQ(app.activeWindow(), &preview) << page->name();
    }
    EXPECT_EQ(app.m.Flg_Page, Page_Section);
    EXPECT_FALSE(main.Toolbar1.visible);
}

TEST_F(PreviewOpen, AButtonOfAPageBesideThePreviewTakesNoClick) {
    Form4& wall = app.get<Form4>();
    ASSERT_TRUE(wall.Visible()) << "the wall-dimensions page lies behind the member page";
    Form3& conditions = app.get<Form3>();
    const std::string site = conditions.txt1.Text();

    wall.cmd1.click();  // "断面計算 >"
    conditions.txt1.type("x");
    conditions.cmd3.click();  // "地盤の形状 >"

    EXPECT_EQ(app.activeWindow(), &shown());
    EXPECT_EQ(conditions.txt1.Text(), site);
    EXPECT_FALSE(app.get<Form23>().Visible());
    EXPECT_TRUE(host.messages.empty());
    // Nor does the preview open a second time beside the first.
    main.FileImage();
    EXPECT_EQ(shownPage(app), 5);
    EXPECT_EQ(findPreviewWindow(app, 1), nullptr);
}

TEST_F(PreviewOpen, TheReferenceTablesOpenedAndClosedLeaveTheToolbarHiddenUntilItCloses) {
    PreviewPage& preview = shown();
    main.Men_S.choose();
    Form10& tables = app.get<Form10>();
    ASSERT_TRUE(tables.Visible());
    EXPECT_FALSE(main.Toolbar1.visible);

    tables.cmd1.click();

    EXPECT_FALSE(main.Toolbar1.visible);
    EXPECT_EQ(app.activeWindow(), &preview) << "the preview's menus again, not the File menu";
    EXPECT_TRUE(main.Men_F.enabled);
    preview.Men_Cls.choose();
    EXPECT_TRUE(main.Toolbar1.visible);
    EXPECT_EQ(app.activeWindow(), memberPage);
}

struct Discarding {
    const char* what;
    std::function<void(TestHost&, MDIForm1&)> act;
    int Flg_Page;  // the marker afterwards
};

class DiscardingTheProject : public PreviewOpen,
                             public ::testing::WithParamInterface<Discarding> {};

TEST_P(DiscardingTheProject, ClosesThePreviewFirst) {
    const Discarding& row = GetParam();
    host.windowsUnloaded.clear();
    row.act(host, main);

    for (int page = 1; page <= 9; ++page) EXPECT_EQ(findPreviewWindow(app, page), nullptr);
    ASSERT_FALSE(host.windowsUnloaded.empty()) << row.what;
    EXPECT_EQ(host.windowsUnloaded.front(), "Form6") << row.what << ": the preview went first";
    EXPECT_FALSE(previewIsOpen(app)) << row.what;
    EXPECT_TRUE(main.Toolbar1.visible) << row.what;
    EXPECT_EQ(app.m.Flg_Page, row.Flg_Page) << row.what;
    if (row.Flg_Page == Page_Conditions) {
        // The new project's page takes input and the next preview shows its page 1.
        EXPECT_TRUE(app.get<Form3>().takesUserInput()) << row.what;
        main.FileImage();
        EXPECT_EQ(shownPage(app), 1) << row.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Preview, DiscardingTheProject,
    ::testing::Values(
        Discarding{"New", [](TestHost&, MDIForm1& main) { main.FileNew(); }, Page_Conditions},
        Discarding{"Open",
                   [](TestHost& host, MDIForm1& main) {
                       host.fileAnswers.push_back(samplePath("road-normal-two-sided.qkz"));
                       main.FileOpen();
                   },
                   Page_Conditions},
        Discarding{"Close",
                   [](TestHost& host, MDIForm1& main) {
                       host.answerNext(MsgAnswer::OK);
                       main.Men_FCls_Click();
                   },
                   Page_None}));

TEST_F(PreviewOpen, OpenCancelledOrCloseDeclinedLeavesThePreviewOpen) {
    host.fileAnswers.push_back("");
    main.FileOpen();
    host.answerNext(MsgAnswer::Cancel);
    main.Men_FCls_Click();
    EXPECT_EQ(shownPage(app), 5);
    EXPECT_TRUE(previewIsOpen(app));
}

}  // namespace
}  // namespace pelzaro
