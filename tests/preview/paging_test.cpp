#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview_fixture.h"

namespace pelzaro {
namespace {

using Log = std::vector<std::string>;

// ------------------------------------------------------------------ opening

struct Opening {
    const char* why;
    int Flg_Page;
    int page;  // 0: nothing opens
    Log log;
};

class OpensAtThePageOfTheInputPage : public PreviewTest,
                                     public ::testing::WithParamInterface<Opening> {};

TEST_P(OpensAtThePageOfTheInputPage, AndDrawsIt) {
    const Opening& row = GetParam();
    app.m.Flg_Page = row.Flg_Page;
    main.FileImage();
    EXPECT_EQ(shownPage(app), row.page) << row.why;
    EXPECT_EQ(steps->log, row.log) << row.why;
    EXPECT_EQ(main.Toolbar1.visible, row.page == 0) << row.why;
    if (row.page == 0) {
        for (int page = 1; page <= 9; ++page) EXPECT_EQ(findPreviewWindow(app, page), nullptr);
    } else {
        EXPECT_EQ(app.activeWindow(), &shown()) << row.why;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Preview, OpensAtThePageOfTheInputPage,
    ::testing::Values(
        Opening{"no input page: nothing, the toolbar stays", Page_None, 0, {}},
        Opening{"design conditions: page 1 as it stands", Page_Conditions, 1, {"p1 Form3.Ippan"}},
        Opening{"wall dimensions: page 2 after the stability again",
                Page_Dimensions,
                2,
                {"p2 Form4.DANMEM_1", "p2 Form4.KEIJYOU", "p2 Form4.JIJYUU"}},
        Opening{"member design: page 5 after the stability again",
                Page_Section,
                5,
                {"p5 Form4.DANMEM_1", "p5 Form7.HAIKIN"}}));

// ------------------------------------------------------------------ the sixteen transitions

struct Turn {
    int from;
    PageTurn turn;
    int to;
    Log log;  // the extra steps while the page left is shown, then what the target runs
};

class SixteenTransitions : public PreviewTest, public ::testing::WithParamInterface<Turn> {};

TEST_P(SixteenTransitions, RunTheirStepsAndShowTheTarget) {
    const Turn& row = GetParam();
    setParts(true, true, true);
    enterSpacingB();
    walkTo(row.from);
    PreviewPage& left = shown();
    steps->log.clear();

    MenuItem& item = row.turn == PageTurn::Next ? left.Men_Nex : left.Men_Pre;
    item.choose();

    EXPECT_EQ(shownPage(app), row.to);
    EXPECT_FALSE(left.Visible());
    EXPECT_NE(findPreviewWindow(app, row.from), nullptr) << "a page left is hidden, not closed";
    EXPECT_EQ(steps->log, row.log);
    EXPECT_EQ(app.activeWindow(), &shown());
    EXPECT_FALSE(main.Toolbar1.visible);
}

constexpr PageTurn Next = PageTurn::Next;
constexpr PageTurn Prev = PageTurn::Previous;

INSTANTIATE_TEST_SUITE_P(
    Preview, SixteenTransitions,
    ::testing::Values(
        Turn{1, Next, 2, {"p2 Form4.DANMEM_1", "p2 Form4.KEIJYOU", "p2 Form4.JIJYUU"}},
        Turn{2, Prev, 1, {"p1 Form3.HENSUU", "p1 Form3.Ippan"}},
        Turn{2, Next, 3, {"p3 Form4.Doatu", "p3 Form4.Doatu2"}},
        Turn{3, Prev, 2, {"p2 Form4.KEIJYOU", "p2 Form4.JIJYUU"}},
        Turn{3, Next, 4, {"p3 Form7.Hide", "p4 Form4.DANMEM_1", "p4 Form4.KENTOU"}},
        Turn{4, Prev, 3, {"p3 Form4.Doatu", "p3 Form4.Doatu2"}},
        Turn{4, Next, 5, {"p4 Form7.Hide", "p5 Form7.HAIKIN"}},
        Turn{5, Prev, 4, {"p4 Form4.DANMEM_1", "p4 Form4.KENTOU"}},
        Turn{5, Next, 6, {"p6 Form7.HAIKIN_A", "p6 Form7.HAIKIN_B"}},
        Turn{6, Prev, 5, {"p5 Form7.HAIKIN"}},
        Turn{6, Next, 7, {"p7 Form7.HAIKIN_E", "p7 Form7.HAIKIN_F"}},
        Turn{7, Prev, 6, {"p6 Form7.HAIKIN_A", "p6 Form7.HAIKIN_B"}},
        Turn{7, Next, 8, {"p8 Form7.HAIKIN_G", "p8 Form7.HAIKIN_H"}},
        Turn{8, Prev, 7, {"p7 Form7.HAIKIN_E", "p7 Form7.HAIKIN_F"}},
        Turn{8, Next, 9, {"p9 Form7.HAIKIN_I", "p9 Form7.HAIKIN_J"}},
        Turn{9, Prev, 8, {"p8 Form7.HAIKIN_G", "p8 Form7.HAIKIN_H"}}));

TEST_F(PreviewTest, PageOneHasNoPreviousAndPageNineNoNext) {
    auto captions = [](PreviewPage& w) {
        std::vector<std::string> out;
        for (MenuItem* item : w.childMenuBar()) out.push_back(item->caption);
        return out;
    };
    const std::vector<std::string> all = {"前のﾍﾟｰｼﾞ(&F)", "次のﾍﾟｰｼﾞ(&N)", "印刷(&P)",
                                          "閉じる(&C)"};
    EXPECT_EQ(captions(app.get<Form1>()), std::vector<std::string>(all.begin() + 1, all.end()));
    EXPECT_EQ(captions(app.get<Form17>()), all);
    EXPECT_EQ(captions(app.get<Form20>()), (std::vector<std::string>{all[0], all[2], all[3]}));
}

// ------------------------------------------------------------------ page 4's Next

TEST_F(PreviewTest, PageFourRefusesNextUntilPartBHasASpacing) {
    setParts(true, false, false);
    walkTo(4);
    steps->log.clear();
    host.clearRecords();

    app.get<Form18>().Men_Nex.choose();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastMessage().text, "断面の計算をしてください。");
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(host.lastMessage().buttons, MsgButtons::OKOnly);
    EXPECT_EQ(shownPage(app), 4);
    EXPECT_TRUE(steps->log.empty()) << "nothing is redrawn";
    EXPECT_EQ(app.find<Form6>(), nullptr);

    enterSpacingB();
    app.get<Form18>().Men_Nex.choose();
    EXPECT_EQ(shownPage(app), 5);
}

TEST_F(PreviewTest, OpenedOnTheMemberPageGoesBackToPageOneAndForwardOnlyWithPartB) {
    app.get<Form7>();  // the member-design page, without a design spacing yet
    app.m.Flg_Page = Page_Section;
    main.FileImage();
    for (int page : {4, 3, 2, 1}) {
        shown().Men_Pre.choose();
        EXPECT_EQ(shownPage(app), page);
    }
    for (int page : {2, 3, 4}) {
        shown().Men_Nex.choose();
        EXPECT_EQ(shownPage(app), page);
    }
    shown().Men_Nex.choose();
    EXPECT_EQ(shownPage(app), 4);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"断面の計算をしてください。"});
}

// ------------------------------------------------------------------ pages 8 and 9

struct Parts {
    bool heel, toe, key;
    Log page8;
    bool page8Next;
    Log page9;
};

class PagesEightAndNine : public PreviewTest, public ::testing::WithParamInterface<Parts> {};

TEST_P(PagesEightAndNine, FollowTheWallsParts) {
    const Parts& row = GetParam();
    setParts(row.heel, row.toe, row.key);
    enterSpacingB();
    walkTo(7);
    steps->log.clear();
    shown().Men_Nex.choose();
    EXPECT_EQ(steps->log, row.page8);
    EXPECT_EQ(app.get<Form17>().Men_Nex.enabled, row.page8Next);

    steps->log.clear();
    app.get<Form17>().Men_Nex.choose();
    EXPECT_EQ(shownPage(app), row.page8Next ? 9 : 8);
    EXPECT_EQ(steps->log, row.page9);
}

const Log G = {"p8 Form7.HAIKIN_G"};
Log page8With(const char* second) {
    return {"p8 Form7.HAIKIN_G", second};
}

INSTANTIATE_TEST_SUITE_P(
    Preview, PagesEightAndNine,
    ::testing::Values(
        Parts{false, false, false, G, false, {}},
        Parts{true, false, false, page8With("p8 Form7.HAIKIN_H"), false, {}},
        Parts{false, true, false, page8With("p8 Form7.HAIKIN_I"), false, {}},
        Parts{false, false, true, page8With("p8 Form7.HAIKIN_J"), false, {}},
        Parts{true, true, false, page8With("p8 Form7.HAIKIN_H"), true, {"p9 Form7.HAIKIN_I"}},
        Parts{true, false, true, page8With("p8 Form7.HAIKIN_H"), true, {"p9 Form7.HAIKIN_J"}},
        Parts{false, true, true, page8With("p8 Form7.HAIKIN_I"), true, {"p9 Form7.HAIKIN_J"}},
        Parts{true,
              true,
              true,
              page8With("p8 Form7.HAIKIN_H"),
              true,
              {"p9 Form7.HAIKIN_I", "p9 Form7.HAIKIN_J"}}));

// ------------------------------------------------------------------ closing

const std::vector<std::string> kClosingOrder = {"Form1",  "Form2",  "Form5",  "Form6", "Form8",
                                                "Form16", "Form17", "Form18", "Form20"};

class ClosingFromEveryPage : public PreviewTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClosingFromEveryPage, ClosesAllNineOnceAndBringsTheToolbarBack) {
    setParts(true, true, true);
    enterSpacingB();
    walkTo(9);  // every window exists
    for (int page = 9; page > GetParam(); --page) shown().Men_Pre.choose();
    host.windowsUnloaded.clear();

    shown().Men_Cls.choose();

    EXPECT_EQ(host.windowsUnloaded, kClosingOrder);
    EXPECT_EQ(shownPage(app), 0);
    for (int page = 1; page <= 9; ++page) EXPECT_EQ(findPreviewWindow(app, page), nullptr);
    EXPECT_TRUE(main.Toolbar1.visible);
}

INSTANTIATE_TEST_SUITE_P(Preview, ClosingFromEveryPage, ::testing::Range(1, 10));

TEST_F(PreviewTest, ClosingSkipsWindowsNeverCreated) {
    app.m.Flg_Page = Page_Section;
    main.FileImage();
    shown().Men_Pre.choose();  // page 4
    host.windowsUnloaded.clear();
    shown().Men_Cls.choose();
    EXPECT_EQ(host.windowsUnloaded, (std::vector<std::string>{"Form6", "Form18"}));
    EXPECT_TRUE(main.Toolbar1.visible);
}

TEST_F(PreviewTest, ThePlatformClosingAWindowClosesThePreviewOnce) {
    setParts(true, false, false);
    walkTo(3);
    host.windowsUnloaded.clear();
    app.get<Form5>().Form_QueryUnload();
    EXPECT_EQ(host.windowsUnloaded, (std::vector<std::string>{"Form1", "Form2", "Form5"}));
    EXPECT_TRUE(main.Toolbar1.visible);
}

TEST_F(PreviewTest, ReopeningCreatesFreshWindowsWithPageEightsNextAndTheNewPrinterPage) {
    setParts(true, false, false);  // one part: page 8's Next is turned off
    enterSpacingB();
    walkTo(8);
    ASSERT_FALSE(app.get<Form17>().Men_Nex.enabled);
    shown().Men_Cls.choose();

    setParts(true, true, false);
    host.page.height = 15000;
    walkTo(7);
    EXPECT_EQ(app.get<Form16>().Picture2.geometry.height, 15000);
    shown().Men_Nex.choose();
    EXPECT_TRUE(app.get<Form17>().Men_Nex.enabled);
    app.get<Form17>().Men_Nex.choose();
    EXPECT_EQ(shownPage(app), 9);
}

TEST_F(PreviewTest, PrintingFromAPageKeepsThePreviewOnIt) {
    setParts(true, false, false);
    walkTo(2);
    steps->log.clear();
    app.get<Form2>().Men_Prn.choose();
    EXPECT_EQ(host.modalsRun, std::vector<std::string>{"Form15"});
    EXPECT_EQ(shownPage(app), 2);
    EXPECT_TRUE(steps->log.empty());
}

}  // namespace
}  // namespace pelzaro
