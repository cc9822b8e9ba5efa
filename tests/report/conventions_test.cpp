// The shared report conventions: half-up rounding, the number patterns, the alignment bands of
// the tables, the case headings and the surface's own rules.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report/conventions.h"
#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/report_error.h"
#include "report/surface.h"

namespace pelzaro {
namespace {

TEST(Marume, RoundsHalfUpTowardPlusInfinity) {
    struct Case { double v; int n; double expected; } cases[] = {
        {0.25, 1, 0.3}, {-0.25, 1, -0.2}, {0.00005, 4, 0.0001}, {-0.00005, 4, 0.0},
        {1.23456, 4, 1.2346}, {2.0004999, 3, 2.0}, {9.99995, 4, 10.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Marume(c.v, c.n), c.expected, 1e-12) << c.v << " to " << c.n;
    EXPECT_EQ(Num(Marume(-0.00005, 4), "0.0000"), "0.0000");
}

TEST(ReportPatterns, PrintAsTheTablesShow) {
    struct Case { double v; const char* pattern; const char* text; } cases[] = {
        {24.4, "0", "24"}, {23.5, "0", "24"}, {12, "0.0", "12.0"}, {2, "0.0#", "2.0"},
        {2.25, "0.0#", "2.25"}, {2.256, "0.0#", "2.26"}, {30, "0.0#", "30.0"},
        {0.5, "0.0##", "0.5"}, {0.375, "0.0##", "0.375"}, {0.2, "0.0###", "0.2"},
        {0.25, "0.0###", "0.25"}, {30, "0.00", "30.00"}, {0.5, "0.00#", "0.50"},
        {0.577, "0.00#", "0.577"}, {0.2, "0.00##", "0.20"}, {1.5, "0.000", "1.500"},
        {-1.5, "0.000", "-1.500"}, {0.35, "0.0000", "0.3500"}, {0, "0.000", "0.000"},
        {-0.0001, "0.000", "0.000"}, {600, "##,###", "600"}, {2500, "##,###", "2,500"},
        {0, "##,###", ""}, {0.4, "##,###", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Num(c.v, c.pattern), c.text) << c.v << " " << c.pattern;
}

TEST(ReportPatterns, AValueThatIsNotFiniteEndsTheSection) {
    EXPECT_THROW(Num(std::numeric_limits<double>::infinity(), "0.000"), ReportError);
    EXPECT_THROW(Num(std::nan(""), "0.0"), ReportError);
    EXPECT_THROW(quotient(1.0, 0.0, "ΣV / B"), ReportError);
    EXPECT_DOUBLE_EQ(quotient(1.0, 4.0, "x"), 0.25);
}

TEST(AlignmentBands, AThresholdBelongsToTheBandAboveIt) {
    struct Case { double r; bool thousands; double x; } cases[] = {
        {9.9999, false, 3000}, {10, false, 2900}, {99.9999, false, 2900}, {100, false, 2800},
        {5000, false, 2800}, {-25, false, 3000}, {999.9999, true, 2800}, {1000, true, 2700},
        {Marume(9.99995, 4), false, 2900}, {Marume(99.99996, 4), false, 2800},
    };
    for (const Case& c : cases) EXPECT_EQ(alignedX(c.r, 3000, c.thousands), c.x) << c.r;
}

TEST(CaseHeading, SuffixByCaseStandardAndKh) {
    PageChoices normal, seismicT, seismicD, none;
    normal.case_N = true;
    normal.std_T = true;
    seismicT.case_S = seismicT.std_T = true;
    seismicD.case_S = seismicD.std_D = true;
    struct Case { const PageChoices* c; float kh; const char* suffix; } cases[] = {
        {&seismicT, 0.2f, "（中地震時）"}, {&seismicT, 0.25f, "（大地震時）"},
        {&seismicT, 0.3f, "（大地震時）"}, {&seismicD, 0.1f, "（地震時）"},
        {&seismicD, 0.3f, "（地震時）"}, {&normal, 0.3f, "（常時）"}, {&none, 0.3f, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(caseSuffix(quakeLevel(*c.c, c.kh)), c.suffix);

    RecordingSink sink;
    Surface pri(sink);
    Midashi_Case(pri, none, 0.0f, {"          §１．設計条件"});
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(pri.y(), 0.0);
    Midashi_Case(pri, seismicT, 0.25f, {"  ", "3", "－２ 安定性の検討"});
    EXPECT_EQ(sink.lines(), std::vector<std::string>{"T 0 0 11 0 \"  3－２ 安定性の検討（大地震時）\""});
}

TEST(Surface, PrintJoinsItemsAndEndsTheLineAtTheCurrentSize) {
    RecordingSink sink;
    Surface pri(sink);
    pri.startPage();
    pri.CurrentX(1500);
    pri.CurrentY(300);
    pri.Print({"Ｈ＝", "1.50", "m"});
    EXPECT_EQ(pri.x(), 0);
    EXPECT_EQ(pri.y(), 520);
    pri.Print();  // an empty line draws nothing
    pri.FontSize(10);
    pri.Print({"a"});
    pri.FontSize(9);
    pri.Print({"b"});
    EXPECT_EQ(pri.y(), 740 + 200 + 180);
    pri.DrawStyle(DrawStyle_Dot);
    pri.Line(100, 200, 300.4, 400.6);
    EXPECT_EQ(pri.x(), 300.4);
    EXPECT_EQ(pri.y(), 400.6);
    EXPECT_EQ(sink.lines(), (std::vector<std::string>{
                                "T 1500 300 11 0 \"Ｈ＝1.50m\"", "T 0 740 10 0 \"a\"",
                                "T 0 940 9 0 \"b\"", "L 100 200 300 401 dot 0"}));
}

TEST(Surface, AFailingBlockIsColouredAndBeepsOnce) {
    RecordingSink sink;
    Surface pri(sink);
    Pri_NG(pri, {{"  Ｆ＝", "1.20", "＜1.5"}, {"  ∴ N.G"}});
    pri.Print({"next"});
    EXPECT_EQ(sink.lines(), (std::vector<std::string>{"T 0 0 11 13 \"  Ｆ＝1.20＜1.5\"",
                                                      "T 0 220 11 13 \"  ∴ N.G\"", "BEEP",
                                                      "T 0 440 11 0 \"next\""}));
    EXPECT_EQ(pri.foreColor(), 0);
}

TEST(Surface, ABlankRunLeavesLoopPastItsEnd) {
    RecordingSink sink;
    Surface pri(sink);
    float loop = 0;
    blankLines(pri, loop, 5);
    EXPECT_EQ(loop, 6.0f);
    EXPECT_EQ(pri.y(), 1100);
    EXPECT_TRUE(sink.events.empty());
}

}  // namespace
}  // namespace pelzaro
