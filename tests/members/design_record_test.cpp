// What a row of the member-design page computed stays with its part for the report exactly as
// long as the row shows it: it goes with a refusal, with the edits that empty the row, with the
// page's reset and with a new project, so that the report never prints a withdrawn design.

#include <gtest/gtest.h>

#include "members/calc/member_state.h"
#include "members/calc/required_spacing.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "members/page_context.h"
#include "support/samples.h"
#include "support/scenario.h"

namespace pelzaro {
namespace {

const members::DesignedPart* kept(App& app, char letter) {
    return members::designedPart(app.m, partOf(letter));
}

struct DesignRecordTest : ::testing::Test {
    OpenedSample o{samplePath("residential-normal-one-sided.qkz")};
    App& app = o.app;
    Form7& page = shown<Form7>(app);
};

TEST_F(DesignRecordTest, EveryDesignedRowKeepsWhatItShows) {
    for (const Form7Row& r : page.rows()) {
        if (!rowExists(app, r.letter)) {
            EXPECT_EQ(kept(app, r.letter), nullptr) << r.letter;
            continue;
        }
        ASSERT_NE(kept(app, r.letter), nullptr) << r.letter;
        EXPECT_EQ(members::spacingCaption(kept(app, r.letter)->spacing),
                  r.computedSpacing->Caption())
            << r.letter;
        EXPECT_EQ(kept(app, r.letter)->forces.M, app.m.*fieldsOf(r.letter).M) << r.letter;
    }
}

// A typed KA empties the wall rows, whose forces used the old one; the slab rows keep theirs.
TEST_F(DesignRecordTest, ATypedCoefficientWithdrawsTheWallRowsOnly) {
    page.txt_ka.click();
    page.txt_ka.type("0.35");
    EXPECT_EQ(kept(app, 'A'), nullptr);
    EXPECT_EQ(kept(app, 'B'), nullptr);
    EXPECT_NE(kept(app, 'C'), nullptr);
}

TEST_F(DesignRecordTest, ARefusedRowKeepsNothing) {
    page.row('C').cover->setCaption("9999");  // a cover deeper than the slab
    EXPECT_FALSE(page.runRowProcedure('C'));
    EXPECT_EQ(kept(app, 'C'), nullptr);
    EXPECT_NE(kept(app, 'D'), nullptr);
}

TEST_F(DesignRecordTest, ThePageResetAndANewProjectKeepNothing) {
    page.Hihyouji_3();
    for (const Form7Row& r : page.rows()) EXPECT_EQ(kept(app, r.letter), nullptr) << r.letter;

    OpenedSample again(samplePath("residential-normal-one-sided.qkz"));
    ASSERT_NE(kept(again.app, 'A'), nullptr);
    again.app.get<MDIForm1>().FileNew();
    for (const Form7Row& r : page.rows()) EXPECT_EQ(kept(again.app, r.letter), nullptr) << r.letter;
}

}  // namespace
}  // namespace pelzaro
