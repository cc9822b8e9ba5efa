#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview_fixture.h"
#include "report/report_error.h"

namespace pelzaro {
namespace {

// The viewport of every page window is 10665 x 7095 twips.
constexpr int kViewportWidth = 10665, kViewportHeight = 7095;

struct Overhang {
    const char* why;
    int twips;
    ScrollRange range;
};

class ScrollRanges : public PreviewTest, public ::testing::WithParamInterface<Overhang> {};

TEST_P(ScrollRanges, FollowThePagesOverhang) {
    const Overhang& row = GetParam();
    host.page.height = kViewportHeight + row.twips;
    host.page.width = kViewportWidth + row.twips;
    PreviewPage& w = app.get<Form1>();
    for (ScrollBar* bar : {&w.VScroll1, &w.HScroll1}) {
        EXPECT_EQ(bar->Min(), 0) << row.why;
        EXPECT_EQ(bar->Max(), row.range.max) << row.why;
        EXPECT_EQ(bar->LargeChange(), row.range.largeChange) << row.why;
        EXPECT_EQ(bar->SmallChange(), row.range.smallChange) << row.why;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Preview, ScrollRanges,
    ::testing::Values(
        Overhang{"205: half of it, 102.5, goes to the even 102", 205, {205, 102, 51}},
        Overhang{"411: 205.5 goes to the even 206", 411, {411, 206, 103}},
        Overhang{"a sheet smaller than the viewport does not scroll", -40, {0, 1, 1}},
        Overhang{"beyond the 16-bit bar the range stops at its end", 40000, {32767, 16384, 8192}}));

TEST_F(PreviewTest, WithoutAPrinterThePageIsA4WithThePdfPrintersMargins) {
    TestHost plain;  // answers the printer's page as any host does by default
    App other(plain);
    PreviewPage& w = other.get<Form1>();
    EXPECT_EQ(w.Picture2.geometry.width, 11900);
    EXPECT_EQ(w.Picture2.geometry.height, 16840);
    EXPECT_EQ(w.Picture2.originLeft(), 200);
    EXPECT_EQ(w.Picture2.originTop(), 200);
    EXPECT_EQ(w.Picture2.ScaleWidth(), 11500);
    EXPECT_EQ(w.Picture2.ScaleHeight(), 16440);
    // 16840 - 7095 = 9745, half 4872.5 to the even 4872, half again 2436.
    EXPECT_EQ(w.VScroll1.Max(), 9745);
    EXPECT_EQ(w.VScroll1.LargeChange(), 4872);
    EXPECT_EQ(w.VScroll1.SmallChange(), 2436);
    // 11900 - 10665 = 1235, half 617.5 to the even 618, half again 309.
    EXPECT_EQ(w.HScroll1.Max(), 1235);
    EXPECT_EQ(w.HScroll1.LargeChange(), 618);
    EXPECT_EQ(w.HScroll1.SmallChange(), 309);
}

TEST_F(PreviewTest, ScrollingMovesThePageBoxWithoutDrawingAgain) {
    host.page.height = kViewportHeight + 205;
    host.page.width = kViewportWidth + 411;
    walkTo(1);
    PreviewPage& w = shown();
    const unsigned image = w.Picture2.imageRevision();
    steps->log.clear();

    w.VScroll1.scroll(205);
    w.HScroll1.scroll(411);
    EXPECT_EQ(w.Picture2.geometry.top, -205) << "the end of the range shows the sheet's foot";
    EXPECT_EQ(w.Picture2.geometry.left, -411);
    w.VScroll1.scroll(1000);
    EXPECT_EQ(w.Picture2.geometry.top, -205) << "the bar keeps within its range";
    w.VScroll1.scroll(0);
    EXPECT_EQ(w.Picture2.geometry.top, 0);

    EXPECT_TRUE(steps->log.empty());
    EXPECT_EQ(w.Picture2.imageRevision(), image);
}

// The page starts at the printer's size, as a printed sheet does (PrintTest checks the
// printer's start), so that the preview lays out every line as the print does.
TEST_F(PreviewTest, ThePageIsDrawnFromTheTopOfThePrintableAreaAtThePrintersSize) {
    std::vector<double> started;
    steps->drawing = [&](Surface& pri, const std::vector<SectionPrinter>&) {
        started = {pri.x(), pri.y(), pri.fontSize()};
        pri.Print({"§"});
    };
    walkTo(1);
    EXPECT_EQ(started, (std::vector<double>{0, 0, 11}));
    const PageBox& box = shown().Picture2;
    EXPECT_EQ(box.FontName, "ＭＳ 明朝");
    ASSERT_EQ(box.drawing().size(), 1u);
    EXPECT_EQ(transcriptLine(box.drawing()[0]), "T 0 0 11 0 \"§\"");
    EXPECT_TRUE(box.note().empty());
}

TEST_F(PreviewTest, EnteringAPageAgainClearsItAndDrawsItAfresh) {
    int drawn = 0;
    steps->drawing = [&](Surface& pri, const std::vector<SectionPrinter>&) {
        pri.Print({"drawing " + std::to_string(++drawn)});
    };
    walkTo(2);
    shown().Men_Pre.choose();
    const PageBox& box = shown().Picture2;
    ASSERT_EQ(box.drawing().size(), 1u);
    EXPECT_EQ(box.drawing()[0].text, "drawing 3");
}

TEST_F(PreviewTest, AFailingSectionKeepsWhatWasDrawnAndLeavesANote) {
    steps->drawing = [](Surface& pri, const std::vector<SectionPrinter>& sections) {
        pri.Print({"before"});
        if (sections.front() == Form4_KEIJYOU) quotient(1.0, 0.0, "the scale");
    };
    walkTo(2);
    PageBox& box = shown().Picture2;
    ASSERT_EQ(box.drawing().size(), 1u);
    EXPECT_EQ(box.drawing()[0].text, "before");
    EXPECT_NE(box.note().find("the scale: division by zero"), std::string::npos) << box.note();

    // The program goes on: the next page is drawn in full and has no note.
    shown().Men_Nex.choose();
    EXPECT_EQ(shownPage(app), 3);
    EXPECT_TRUE(shown().Picture2.note().empty());
    shown().Men_Pre.choose();
    EXPECT_FALSE(shown().Picture2.note().empty()) << "drawn again, failing again";
}

TEST_F(PreviewTest, AFailingCheckBeepsOnEveryDrawing) {
    steps->drawing = [](Surface& pri, const std::vector<SectionPrinter>&) { pri.Beep(); };
    walkTo(2);
    shown().Men_Pre.choose();
    EXPECT_EQ(host.beeps, 3) << "pages 1 and 2, then page 1 again";
}

}  // namespace
}  // namespace pelzaro
