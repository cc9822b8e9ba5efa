// Rows A and B are designed with the KA that the member page's box shows, which the user may
// have typed. Entering the page again computes the KA of the member design afresh: where that
// changes the box, rows A and B were designed with another KA and go, with the stress check,
// as an edit of the box takes them.

#include <gtest/gtest.h>

#include "conditions/form3.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/sample_fixture.h"
#include "support/scenario.h"

namespace pelzaro {
namespace {

class MemberKaOnReentry : public SampleProgram<> {
  protected:
    Form7& enterMemberPage() {
        app.get<Form4>().cmd1.click();  // 断面計算 >
        return app.get<Form7>();
    }
    void reachWallPage() {
        shown<Form3>(app).cmd3.click();  // 地盤の形状 >
        app.get<Form23>().cmd1.click();  // 寸法の入力 >
    }
};

TEST_F(MemberKaOnReentry, ARowDesignedWithATypedKaGoesWhenTheKaIsComputedAgain) {
    openSampleNamed("residential-normal-one-sided.qkz");
    reachWallPage();
    Form7& page = enterMemberPage();
    const std::string computed = page.txt_ka.Text();
    ASSERT_FALSE(computed.empty());
    const int barKindA = page.row('A').barKind->ListIndex();

    page.txt_ka.click();
    page.txt_ka.type("0.5");
    page.row('A').barKind->pick(barKindA);
    ASSERT_FALSE(page.row('A').computedSpacing->Caption().empty()) << host.lastMessage().text;

    page.cmd3.click();  // < 寸法の入力
    enterMemberPage();
    EXPECT_EQ(page.txt_ka.Text(), computed);
    EXPECT_EQ(page.row('A').computedSpacing->Caption(), "");
    EXPECT_EQ(page.row('A').barKind->Text(), "");
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
}

TEST_F(MemberKaOnReentry, RowsDesignedWithTheComputedKaStand) {
    openSampleNamed("residential-normal-one-sided.qkz");
    reachWallPage();
    Form7& page = enterMemberPage();
    const std::string spacingA = page.row('A').computedSpacing->Caption();
    ASSERT_FALSE(spacingA.empty());
    page.cmd3.click();
    enterMemberPage();
    EXPECT_EQ(page.row('A').computedSpacing->Caption(), spacingA);
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
}

}  // namespace
}  // namespace pelzaro
