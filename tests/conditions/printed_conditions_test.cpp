// The report's conditions page prints the soil kinds and the member design's wall friction
// angle as the conditions page shows them, typed or pasted without Enter, and a project saved
// once the checks have run again opens to the same bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "project/line_file.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/program.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

const char* const kBackfillSoil = "             　  ・土質の種類          ： ";
const char* const kMemberDelta = "             　  ・壁背面と土との摩擦角  ：（断面計算時）δ=";

bool prints(const DrawnPage& page, const std::string& text) {
    return std::find(page.texts.begin(), page.texts.end(), text) != page.texts.end();
}

struct PrintedConditions : ::testing::Test {
    void SetUp() override {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "pelzaro-conditions-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string path(const std::string& name) const { return folder + "/" + name; }

    std::string folder;
};

TEST_F(PrintedConditions, SoilKindsAndMemberDeltaAsTypedOrPastedAndTheSavedProjectOpensAsSaved) {
    Program user;
    user.open(samplePath("residential-normal-one-sided.qkz"));
    Form3& page = user.app.get<Form3>();
    Form7& members = user.app.get<Form7>();
    std::vector<int> barKinds;
    std::vector<std::string> spacings;
    for (const Form7Row& r : members.rows()) {
        barKinds.push_back(r.barKind->ListIndex());
        spacings.push_back(r.designSpacing->Text());
    }

    // Typed into the backfill list after its kind; pasted over the foundation's (the edit box
    // of a list takes a paste as its whole new text); the member angle typed over 20.
    const std::string backfill = page.cbo1.Text() + "（盛土）";
    page.cbo1.type("（盛土）");
    page.cbo2.setText("改良土");
    page.txt12.click();
    page.txt12.type("25");

    const DrawnPage printed = drawReportPage(user.app, 1);
    EXPECT_TRUE(prints(printed, kBackfillSoil + backfill));
    EXPECT_TRUE(prints(printed, std::string(kBackfillSoil) + "改良土"));
    EXPECT_TRUE(prints(printed, std::string(kMemberDelta) + "25.00°"));
    EXPECT_EQ(user.app.m.Flg_Ouryoku, 0);

    // Both checks again: the stability, then the member rows the angle emptied.
    page.cmd3.click();                    // 地盤の形状 >
    user.app.get<Form23>().cmd1.click();  // 寸法の入力 >
    Form4& wall = user.app.get<Form4>();
    wall.cmd3.click();  // 安定性の検討
    wall.cmd1.click();  // 断面計算 >
    for (size_t i = 0; i < members.rows().size(); ++i) {
        const Form7Row& r = members.rows()[i];
        if (!r.barKind->Visible()) continue;
        r.barKind->pick(barKinds[i]);
        ASSERT_FALSE(r.computedSpacing->Caption().empty()) << r.letter;
        const int allowed = std::stoi(r.computedSpacing->Caption());
        r.designSpacing->click();
        r.designSpacing->type(std::to_string(std::min(std::stoi(spacings[i]), allowed)));
    }
    members.cmd1.click();  // 応力度計算
    ASSERT_EQ(user.app.m.Flg_Ouryoku, 1) << ::testing::PrintToString(user.host.messageTexts());

    const std::string saved = user.saveAs(path("edited.qkz"));
    Program reopened;
    reopened.open(path("edited.qkz"));
    EXPECT_EQ(reopened.saveAs(path("again.qkz")), saved);
    const DrawnPage again = drawReportPage(reopened.app, 1);
    EXPECT_TRUE(prints(again, kBackfillSoil + backfill));
    EXPECT_TRUE(prints(again, std::string(kMemberDelta) + "25.00°"));
}

// A new standard empties the soil lists: the report prints no kind the page no longer shows.
TEST_F(PrintedConditions, AnotherStandardLeavesNoSoilKindToPrint) {
    Program user;
    user.open(samplePath("residential-normal-one-sided.qkz"));
    Form3& page = user.app.get<Form3>();
    ASSERT_FALSE(page.cbo1.Text().empty());
    page.opt_D.click();
    const DrawnPage printed = drawReportPage(user.app, 1);
    EXPECT_EQ(std::count(printed.texts.begin(), printed.texts.end(), kBackfillSoil), 2)
        << "both soil lines print an empty kind";
}

}  // namespace
}  // namespace pelzaro
