// The section number is typed in the "§" box of the wall-dimensions page and printed in front of
// every chapter heading of the wall: "－１ 荷重の計算" on page 2, "－２ 安定性の検討" on page 4
// and "－３ 断面の検討" on page 5. It is free text that no result rests on, so changing it
// withdraws nothing, and page 5 prints the number the box shows whichever range is printed:
// the member chapter alone as well as the whole report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/form15.h"
#include "preview/preview_page.h"
#include "preview/preview_paging.h"
#include "report/recording_sink.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/samples.h"
#include "support/scenario.h"
#include "support/test_printer.h"

namespace pelzaro {
namespace {

// The heading of a chapter line: twelve blanks, the section number as typed, the chapter's
// literal with the case. residential-normal-one-sided is the normal case.
std::string heading(const std::string& number, const std::string& chapter) {
    return "            " + number + chapter + "（常時）";
}
const std::string kLoads = "－１ 荷重の計算";
const std::string kStability = "－２ 安定性の検討";
const std::string kMembers = "－３ 断面の検討";

bool holds(const std::vector<std::string>& texts, const std::string& line) {
    for (const std::string& t : texts)
        if (t == line) return true;
    return false;
}

struct RangeRow {
    const char* why;
    OptionButton Form15::*range;
    int page5Sheet;              // the sheet of report page 5 in the printed document
    std::vector<int> otherSheets;  // the sheets of pages 2 and 4, where the range has them
};

struct SectionNumberRow {
    RangeRow range;
    const char* box;  // what the user leaves in the "§" box
};

std::ostream& operator<<(std::ostream& out, const SectionNumberRow& row) {
    return out << row.range.why << ", box " << row.box;
}

class SectionNumberOnPageFive : public ::testing::TestWithParam<SectionNumberRow> {
  protected:
    OpenedSample s{samplePath("residential-normal-one-sided.qkz")};

    // The user goes back to the wall-dimensions page and types the number over the old one.
    void typeSectionNumber(const std::string& number) {
        Form4& wall = shown<Form4>(s.app);
        ASSERT_EQ(wall.txt1.Text(), "3") << "the sample's own section number";
        wall.txt1.click();
        wall.txt1.type(number);
        ASSERT_EQ(wall.txt1.Text(), number);
    }
    // 印刷, the range chosen, no page numbers, ＯＫ.
    const PrintedDocument& print(OptionButton Form15::*range) {
        s.host.onModal<Form15>([range](Form15& d) {
            (d.*range).click();
            d.cmd1.click();
        });
        s.app.get<MDIForm1>().Men_FPrn_Click();
        return *s.host.documents.at(0);
    }
};

TEST_P(SectionNumberOnPageFive, IsTheNumberTheBoxShowsWhateverTheRange) {
    const SectionNumberRow& row = GetParam();
    typeSectionNumber(row.box);
    ASSERT_EQ(s.app.m.Flg_Ouryoku, 1) << "the section number withdraws no result";

    const PrintedDocument& printed = print(row.range.range);
    ASSERT_GT(printed.sheets.size(), static_cast<size_t>(row.range.page5Sheet));
    const std::vector<std::string> page5 = printed.sheets[row.range.page5Sheet].texts();
    ASSERT_GE(page5.size(), 1u);
    EXPECT_EQ(page5.front(), heading(row.box, kMembers));
    // Where the range holds the wall's other chapters, they print the same number.
    std::vector<std::string> others;
    for (int sheet : row.range.otherSheets) {
        const std::vector<std::string> texts = printed.sheets.at(sheet).texts();
        others.insert(others.end(), texts.begin(), texts.end());
    }
    if (!row.range.otherSheets.empty()) {
        EXPECT_TRUE(holds(others, heading(row.box, kLoads)));
        EXPECT_TRUE(holds(others, heading(row.box, kStability)));
    }
}

const RangeRow kAll{"一般事項・安定計算・断面計算", &Form15::opt5, 4, {1, 3}};
const RangeRow kStabSection{"安定計算・断面計算", &Form15::opt4, 3, {0, 2}};
const RangeRow kSection{"断面計算", &Form15::opt3, 0, {}};

INSTANTIATE_TEST_SUITE_P(
    Print, SectionNumberOnPageFive,
    ::testing::Values(SectionNumberRow{kAll, "3"}, SectionNumberRow{kAll, "4"},
                      SectionNumberRow{kStabSection, "3"}, SectionNumberRow{kStabSection, "4"},
                      SectionNumberRow{kSection, "3"}, SectionNumberRow{kSection, "4"}));

// The preview's page 5, opened from the member-design page, prints the box's number too.
TEST(SectionNumberInThePreview, PageFiveShowsTheNumberTheBoxShows) {
    OpenedSample s(samplePath("residential-normal-one-sided.qkz"));
    Form4& wall = shown<Form4>(s.app);
    wall.txt1.click();
    wall.txt1.type("4");
    wall.cmd1.click();  // 断面計算 >
    ASSERT_TRUE(s.app.get<Form7>().Visible());
    s.app.get<MDIForm1>().FileImage();
    ASSERT_NE(findPreviewWindow(s.app, 5), nullptr);
    const std::vector<ReportEvent>& drawn = findPreviewWindow(s.app, 5)->Picture2.drawing();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front().text, heading("4", kMembers));
}

}  // namespace
}  // namespace pelzaro
