// A one-sided wall whose toe the user took away after choosing "計算に含む": a wall without a
// toe has no front-soil choice, so the choice goes with the toe. The session, and after Open
// the wall-dimensions page, the report and the file saved again, show the results of the wall
// without front soil, and saving it again and again gives the same bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "conditions/form3.h"
#include "forms/controls.h"
#include "members/form7.h"
#include "project_fixture.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/samples.h"
#include "support/stability_figures.h"

namespace pelzaro {
namespace {

// A box reached with Tab, typed into and left with Enter, as a user goes down the page.
void typeAndMoveOn(TextBox& box, const std::string& text) {
    box.SetFocus();
    box.type(text);
    box.pressEnter();
}

// The user's session: the sample opened, its toe taken away along the Enter chain and the
// front wall's outer batter made 0.35 m (foot 0.65 = top 0.25 + inner batter 0.05 + 0.35),
// with the front-soil choice made while the toe still offered it; then the stability check
// and the member design again.
struct ToeTakenAway : Program {
    explicit ToeTakenAway(OptionButton Form4::*frontSoil) {
        open(samplePath("residential-normal-one-sided.qkz"));
        rememberTheRows();
        app.get<Form3>().cmd3.click();   // 地盤の形状 >
        app.get<Form23>().cmd1.click();  // 寸法の入力 >
        Form4& wall = app.get<Form4>();
        (wall.*frontSoil).click();
        typeAndMoveOn(wall.txt13, "0.65");
        typeAndMoveOn(wall.txt12, "0");
        toeEnded = wall.txt18.Text() == "0" && !wall.opt3.Value() && !wall.opt4.Value();
        wall.cmd3.click();  // 安定性の検討
        designTheMembers(wall);
    }

    // The bar kind and design spacing of each row as the sample holds them.
    void rememberTheRows() {
        for (const Form7Row& r : app.get<Form7>().rows())
            sampleRows.emplace_back(r.barKind->ListIndex(), r.designSpacing->Text());
    }

    // Each row that exists gets the sample's bar kind and a design spacing within the one the
    // row allows, then "応力度計算".
    void designTheMembers(Form4& wall) {
        wall.cmd1.click();  // 断面計算 >
        Form7& page = app.get<Form7>();
        for (size_t i = 0; i < page.rows().size(); ++i) {
            const Form7Row& r = page.rows()[i];
            if (!r.barKind->Visible()) continue;
            r.barKind->pick(sampleRows[i].first);
            int allowed = std::stoi(r.computedSpacing->Caption());
            int spacing = std::min(std::stoi(sampleRows[i].second), allowed);
            r.designSpacing->click();
            r.designSpacing->type(std::to_string(spacing));
        }
        page.cmd1.click();  // 応力度計算
    }

    bool checked() const { return app.m.Sigma_max != 0.0f && app.m.Flg_Ouryoku == 1; }

    std::vector<std::pair<int, std::string>> sampleRows;
    bool toeEnded = false;
};

using FrontSoilAfterOpen = ProjectFixture;

TEST_F(FrontSoilAfterOpen, PageReportAndFileShowTheWallWithoutFrontSoil) {
    ToeTakenAway notCounted(&Form4::opt4);  // 計算に含まない
    ASSERT_TRUE(notCounted.toeEnded && notCounted.checked())
        << ::testing::PrintToString(notCounted.host.messageTexts());
    const StabilityFigures withoutFrontSoil = figuresOnThePage(notCounted.app);

    ToeTakenAway counted(&Form4::opt3);  // 計算に含む
    ASSERT_TRUE(counted.toeEnded && counted.checked())
        << ::testing::PrintToString(counted.host.messageTexts());
    EXPECT_EQ(figuresOnThePage(counted.app), withoutFrontSoil)
        << "no soil on the outer batter once the toe and its choice are gone";
    ASSERT_FALSE(counted.saveAs(path("toe-taken-away.qkz")).empty());

    Program reopened;
    reopened.open(path("toe-taken-away.qkz"));
    Form4& wall = reopened.app.get<Form4>();
    EXPECT_FALSE(wall.opt3.Value() || wall.opt4.Value()) << "a wall without a toe has no choice";
    const StabilityFigures onThePage = figuresOnThePage(reopened.app);
    EXPECT_EQ(onThePage, withoutFrontSoil);
    EXPECT_EQ(figuresInTheReport(reopened.app), onThePage);
    EXPECT_EQ(figuresInTheFile(reopened.saveAs(path("resaved.qkz"))), onThePage);
}

TEST_F(FrontSoilAfterOpen, OpenAndSaveAsGiveTheSameBytesAgain) {
    ToeTakenAway counted(&Form4::opt3);
    ASSERT_TRUE(counted.toeEnded && counted.checked());
    counted.saveAs(path("toe-taken-away.qkz"));

    Program first;
    first.open(path("toe-taken-away.qkz"));
    const std::string once = first.saveAs(path("once.qkz"));
    Program second;
    second.open(path("once.qkz"));
    const std::string twice = second.saveAs(path("twice.qkz"));
    ASSERT_FALSE(once.empty());
    EXPECT_TRUE(once == twice) << "the file reopens to other bytes";
}

}  // namespace
}  // namespace pelzaro
