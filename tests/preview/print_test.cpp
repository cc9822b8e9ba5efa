#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "preview/report_print.h"
#include "preview_fixture.h"
#include "report/report_error.h"

namespace pelzaro {
namespace {

using Log = std::vector<std::string>;

struct PrintTest : PreviewTest {
    // The number line at the foot of a sheet, as the transcript has it.
    static std::string numberLine(int n) {
        return "T 5500 15600 11 0 \"－ " + std::to_string(n) + " －\"";
    }
    const PrintedDocument& printed() { return *host.documents.at(0); }
    // The sections drawn on each sheet, the number line aside.
    std::vector<Log> sheetSections() {
        std::vector<Log> out;
        for (const RecordingSink& sheet : printed().sheets) {
            Log texts;
            for (const std::string& t : sheet.texts()) {
                if (t.rfind("－ ", 0) != 0) texts.push_back(t);
            }
            out.push_back(texts);
        }
        return out;
    }
    std::vector<std::string> numberLines() {
        std::vector<std::string> out;
        for (const RecordingSink& sheet : printed().sheets) {
            for (const std::string& line : sheet.lines()) {
                if (line.rfind("T 5500 15600", 0) == 0) out.push_back(line);
            }
        }
        return out;
    }
    // Each section prints its own name, so a sheet shows what was drawn on it.
    void sectionsPrintTheirNames() {
        steps->drawing = [](Surface& pri, const std::vector<SectionPrinter>& sections) {
            for (SectionPrinter s : sections) pri.Print({sectionName(s)});
        };
    }
    void print(PrintRange range, bool numbered = true, float first = 1.0f) {
        main.FilePrint(PrintRequest{range, numbered, first});
    }
};

// ------------------------------------------------------------------ ranges and numbers

struct RangeRow {
    const char* why;
    PrintRange range;
    bool page9;  // the wall has two of heel, toe and key
    std::vector<int> reportPages;
};

class EveryRange : public PrintTest, public ::testing::WithParamInterface<RangeRow> {};

TEST_P(EveryRange, PrintsItsPagesNumberedFromTheFirstNumberWithoutATrailingSheet) {
    const RangeRow& row = GetParam();
    if (row.page9)
        setParts(true, true, false);
    else
        setParts(true, false, false);
    sectionsPrintTheirNames();

    print(row.range, true, 7.0f);

    ASSERT_EQ(host.documents.size(), 1u);
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_EQ(printed().sheets.size(), row.reportPages.size()) << row.why;
    EXPECT_EQ(printed().newPages, static_cast<int>(row.reportPages.size()) - 1) << row.why;
    EXPECT_TRUE(printed().ended);
    std::vector<std::string> numbers;
    for (size_t k = 0; k < row.reportPages.size(); ++k) {
        numbers.push_back(numberLine(7 + static_cast<int>(k)));
    }
    EXPECT_EQ(numberLines(), numbers) << row.why;
    // Each sheet holds the sections of its report page.
    std::vector<Log> expected;
    const WallParts parts = wallParts(app.m);
    for (int page : row.reportPages) {
        Log names;
        for (SectionPrinter s : pageSections(page, parts)) names.push_back(sectionName(s));
        expected.push_back(names);
    }
    EXPECT_EQ(sheetSections(), expected) << row.why;
}

INSTANTIATE_TEST_SUITE_P(
    Print, EveryRange,
    ::testing::Values(
        RangeRow{"general: page 1", PrintRange::Range_General, true, {1}},
        RangeRow{"stability: pages 2 to 4", PrintRange::Range_Stability, true, {2, 3, 4}},
        RangeRow{"section with page 9", PrintRange::Range_Section, true, {5, 6, 7, 8, 9}},
        RangeRow{
            "section, one part only: no page 9", PrintRange::Range_Section, false, {5, 6, 7, 8}},
        RangeRow{
            "stability and section", PrintRange::Range_StabSection, true, {2, 3, 4, 5, 6, 7, 8, 9}},
        RangeRow{"stability and section, no page 9",
                 PrintRange::Range_StabSection,
                 false,
                 {2, 3, 4, 5, 6, 7, 8}},
        RangeRow{"all nine", PrintRange::Range_All, true, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        RangeRow{"all but page 9", PrintRange::Range_All, false, {1, 2, 3, 4, 5, 6, 7, 8}}));

TEST_F(PrintTest, StabilityAndSectionFromThreeNumbersTheStabilityChecksFiveAndTheChapterSix) {
    setParts(true, false, false);
    sectionsPrintTheirNames();
    print(PrintRange::Range_StabSection, true, 3.0f);
    const auto& sheets = printed().sheets;
    ASSERT_GE(sheets.size(), 4u);
    EXPECT_EQ(sheets[2].texts(), (Log{"Form4.KENTOU", "－ 5 －"}));
    EXPECT_EQ(sheets[3].texts(), (Log{"Form7.HAIKIN", "－ 6 －"}));
}

struct NumberRow {
    const char* why;
    bool numbered;
    float first;
    std::vector<std::string> lines;
};

class PageNumbers : public PrintTest, public ::testing::WithParamInterface<NumberRow> {};

TEST_P(PageNumbers, AreThereOnlyWhenWanted) {
    const NumberRow& row = GetParam();
    print(PrintRange::Range_Stability, row.numbered, row.first);
    EXPECT_EQ(numberLines(), row.lines) << row.why;
}

INSTANTIATE_TEST_SUITE_P(
    Print, PageNumbers,
    ::testing::Values(NumberRow{"not wanted: no number whatever the first", false, 12.0f, {}},
                      NumberRow{"from 0",
                                true,
                                0.0f,
                                {"T 5500 15600 11 0 \"－ 0 －\"", "T 5500 15600 11 0 \"－ 1 －\"",
                                 "T 5500 15600 11 0 \"－ 2 －\""}},
                      NumberRow{"from 12",
                                true,
                                12.0f,
                                {"T 5500 15600 11 0 \"－ 12 －\"", "T 5500 15600 11 0 \"－ 13 －\"",
                                 "T 5500 15600 11 0 \"－ 14 －\""}}));

// The page number keeps its place unless the page's last line reaches into its line: then it
// goes below that line, so that neither is printed over the other.
struct LastLineRow {
    const char* why;
    double lastLineTop;  // < 0: the page prints nothing
    std::string number;
};

class NumberBelowTheLastLine : public PrintTest,
                               public ::testing::WithParamInterface<LastLineRow> {};

TEST_P(NumberBelowTheLastLine, NeverOverALineOfThePage) {
    const LastLineRow& row = GetParam();
    steps->drawing = [&](Surface& pri, const std::vector<SectionPrinter>&) {
        if (row.lastLineTop < 0) return;
        pri.CurrentY(row.lastLineTop);
        pri.Print({"               両面対称土圧の為"});
    };
    print(PrintRange::Range_General);
    ASSERT_EQ(printed().sheets.size(), 1u);
    EXPECT_EQ(printed().sheets[0].lines().back(), row.number) << row.why;
}

INSTANTIATE_TEST_SUITE_P(
    Print, NumberBelowTheLastLine,
    ::testing::Values(LastLineRow{"an empty page", -1, "T 5500 15600 11 0 \"－ 1 －\""},
                      LastLineRow{"a last line that ends where the number's begins", 15380,
                                  "T 5500 15600 11 0 \"－ 1 －\""},
                      LastLineRow{"a last line 40 twips above the number's", 15560,
                                  "T 5500 15780 11 0 \"－ 1 －\""}));

// ------------------------------------------------------------------ the printer

TEST_F(PrintTest, ThePrinterGetsTheReportFaceAndEveryPageStartsAtTheTopAt11Point) {
    std::vector<std::vector<double>> starts;
    steps->drawing = [&](Surface& pri, const std::vector<SectionPrinter>&) {
        starts.push_back({pri.x(), pri.y(), pri.fontSize()});
        pri.FontSize(9);  // a section that forgets its size leaves it to the next page
        pri.FontSize(11);
    };
    print(PrintRange::Range_Stability);
    EXPECT_EQ(printed().fontName, "ＭＳ 明朝");
    EXPECT_EQ(starts, (std::vector<std::vector<double>>(3, {0, 0, 11})));
}

TEST_F(PrintTest, TheStabilityIsComputedAgainBeforeItsFirstPage) {
    print(PrintRange::Range_All);
    const Log expected = {"p0 Form3.Ippan",    "p0 Form4.DANMEM_1", "p0 Form4.KEIJYOU",
                          "p0 Form4.JIJYUU",   "p0 Form4.Doatu",    "p0 Form4.Doatu2",
                          "p0 Form4.KENTOU",   "p0 Form7.HAIKIN",   "p0 Form7.HAIKIN_A",
                          "p0 Form7.HAIKIN_B", "p0 Form7.HAIKIN_E", "p0 Form7.HAIKIN_F",
                          "p0 Form7.HAIKIN_G"};
    EXPECT_EQ(steps->log, expected);
}

struct PartsRow {
    bool heel, toe, key;
    std::vector<Log> lastSheets;  // the member parts' sheets 8 and 9
};

class PrintedPagesEightAndNine : public PrintTest,
                                 public ::testing::WithParamInterface<PartsRow> {};

TEST_P(PrintedPagesEightAndNine, FollowTheWallsPartsAsThePreviewDoes) {
    const PartsRow& row = GetParam();
    setParts(row.heel, row.toe, row.key);
    sectionsPrintTheirNames();
    print(PrintRange::Range_Section, false);
    std::vector<Log> sheets = sheetSections();
    ASSERT_GE(sheets.size(), 4u);
    EXPECT_EQ(std::vector<Log>(sheets.begin() + 3, sheets.end()), row.lastSheets);
}

const char* G = "Form7.HAIKIN_G";
INSTANTIATE_TEST_SUITE_P(
    Print, PrintedPagesEightAndNine,
    ::testing::Values(
        PartsRow{false, false, false, {{G}}}, PartsRow{true, false, false, {{G, "Form7.HAIKIN_H"}}},
        PartsRow{false, true, false, {{G, "Form7.HAIKIN_I"}}},
        PartsRow{false, false, true, {{G, "Form7.HAIKIN_J"}}},
        PartsRow{true, true, false, {{G, "Form7.HAIKIN_H"}, {"Form7.HAIKIN_I"}}},
        PartsRow{true, false, true, {{G, "Form7.HAIKIN_H"}, {"Form7.HAIKIN_J"}}},
        PartsRow{false, true, true, {{G, "Form7.HAIKIN_I"}, {"Form7.HAIKIN_J"}}},
        PartsRow{true, true, true, {{G, "Form7.HAIKIN_H"}, {"Form7.HAIKIN_I", "Form7.HAIKIN_J"}}}));

// ------------------------------------------------------------------ failures

TEST_F(PrintTest, CancelInThePrinterDialogPrintsNothingAndSaysNothing) {
    host.printerAnswer = TestHost::PrinterAnswer::Cancel;
    print(PrintRange::Range_All);
    EXPECT_EQ(host.printerDialogs, 1);
    EXPECT_TRUE(host.documents.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(steps->log.empty());
}

struct Failure {
    const char* why;
    PrintRange range;
    int failingNewPage;  // 0: none
    bool failingEnd;
    int failingPage;  // the report page whose section fails, 0: none
    size_t sheets;    // sheets in the ended document
    std::string message;
};

class AFailingPrint : public PrintTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(AFailingPrint, StopsEndsWhatWasPrintedAndNamesThePage) {
    const Failure& row = GetParam();
    host.failingNewPage = row.failingNewPage;
    host.failingEnd = row.failingEnd;
    const int failingPage = row.failingPage;
    int page = 0;
    steps->drawing = [&](Surface& pri, const std::vector<SectionPrinter>& sections) {
        ++page;
        pri.Print({sectionName(sections.front())});
        if (page == failingPage) quotient(1.0, 0.0, "the arm");
    };
    setParts(true, false, false);

    print(row.range);

    ASSERT_EQ(host.documents.size(), 1u);
    EXPECT_TRUE(printed().ended) << row.why;
    EXPECT_EQ(printed().sheets.size(), row.sheets) << row.why;
    ASSERT_EQ(host.messages.size(), 1u) << row.why;
    EXPECT_EQ(host.lastMessage().text, row.message) << row.why;
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
}

INSTANTIATE_TEST_SUITE_P(
    Print, AFailingPrint,
    ::testing::Values(
        Failure{"the second break, before page 4, is refused", PrintRange::Range_Stability, 2,
                false, 0, 2, "報告書の 4 ページ目で印刷を中止しました。\npaper jam"},
        Failure{"a section of page 4 cannot compute: its sheet keeps what was drawn",
                PrintRange::Range_All, 0, false, 4, 4,
                "報告書の 4 ページ目で印刷を中止しました。\nthe arm: division by zero"},
        Failure{"the document cannot be written at its end", PrintRange::Range_Section, 0, true, 0,
                4, "報告書の 8 ページ目で印刷を中止しました。\ndisk full"}));

TEST_F(PrintTest, NoRangeShowsNoPrinterDialog) {
    print(PrintRange::None);
    EXPECT_EQ(host.printerDialogs, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PrintTest, NoPrinterStopsBeforeTheFirstPageWithAMessage) {
    host.printerAnswer = TestHost::PrinterAnswer::NoPrinter;
    print(PrintRange::Range_Section);
    EXPECT_TRUE(host.documents.empty());
    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{"報告書の 5 ページ目で印刷を中止しました。\nno printer"});
}

TEST_F(PrintTest, AFailingSectionLeavesTheNumberOffItsSheet) {
    steps->drawing = [](Surface&, const std::vector<SectionPrinter>& sections) {
        if (sections.front() == Form4_Doatu) quotient(1.0, 0.0, "the pressure");
    };
    print(PrintRange::Range_Stability);
    EXPECT_EQ(numberLines(), std::vector<std::string>{numberLine(1)});
}

// A failing check beeps once where it falls: the user hears it, and the printed sheet's record
// has it between the lines around it, so a transcript of the print shows the whole failing
// presentation.
TEST_F(PrintTest, AFailingCheckBeepsThroughTheHostAndOnItsSheet) {
    steps->drawing = [](Surface& pri, const std::vector<SectionPrinter>& sections) {
        if (sections.front() != Form4_KENTOU) return;
        pri.Print({"NG"});
        pri.Beep();
        pri.Print({"after"});
    };
    print(PrintRange::Range_Stability);
    EXPECT_EQ(host.beeps, 1);
    ASSERT_EQ(printed().sheets.size(), 3u);
    const Log& page4 = printed().sheets[2].lines();
    const auto ng = std::find(page4.begin(), page4.end(), "T 0 0 11 0 \"NG\"");
    ASSERT_NE(ng, page4.end());
    ASSERT_LT(ng + 2, page4.end());
    EXPECT_EQ(*(ng + 1), "BEEP");
    EXPECT_EQ(*(ng + 2), "T 0 220 11 0 \"after\"");
    for (int sheet : {0, 1}) {
        const Log& lines = printed().sheets[static_cast<size_t>(sheet)].lines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "BEEP"), 0) << sheet;
    }
}

}  // namespace
}  // namespace pelzaro
