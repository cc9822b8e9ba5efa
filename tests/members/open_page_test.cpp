#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "members/open_member_page.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/scenario.h"

namespace pelzaro {
namespace {

// A stability result in place and the choices of the earlier pages set directly, so that each
// test shows what one opening of the member-design page makes of them.
struct OpenPageTest : ScenarioTest {
    Form3& conditions = conditionsPage();

    void SetUp() override {
        app.m.Sigma_max = 120.0f;
        app.m.B_Tumasaki = 0.5f;
        app.m.B_Kakato = 0.6f;
        app.m.H0 = 0.4f;
        app.m.KA = 0.3456f;
        main.Toolbar1.button(5).enabled = true;
    }
    void normalCase() {
        conditions.opt4.setValue(false);
        conditions.opt3.setValue(true);
    }
    void seismicCase(OptionButton Form25::*method) {
        conditions.opt4.setValue(true);
        (app.get<Form25>().*method).setValue(true);
    }
    Form7& open() {
        openMemberDesignPage(app);
        return app.get<Form7>();
    }
};

TEST_F(OpenPageTest, RefusedUntilTheStabilityCheckHasRun) {
    app.m.Sigma_max = 0.0f;
    openMemberDesignPage(app);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"安定性の検討をしてください。"});
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    ASSERT_TRUE(app.isLoaded<Form4>());
    EXPECT_TRUE(app.get<Form4>().cmd3.hasFocus() || !app.get<Form4>().cmd3.isUsable());
    EXPECT_FALSE(app.isLoaded<Form7>()) << "the page does not open";
}

TEST_F(OpenPageTest, ShowsThePageAtTheCornerAsTheSectionPage) {
    Form7& page = open();
    EXPECT_TRUE(page.Visible());
    EXPECT_EQ(page.geometry.left, 0);
    EXPECT_EQ(page.geometry.top, 0);
    EXPECT_EQ(app.m.Flg_Page, Page_Section);
}

// Rows F, G and H follow the heel, the toe and the key at every opening; their group captions
// and result labels stay.
struct PartsCase {
    float heel, toe, key;
    bool rowF, rowG, rowH;
};

class RowsOfParts : public OpenPageTest, public ::testing::WithParamInterface<PartsCase> {};

TEST_P(RowsOfParts, ShownExactlyWhenThePartExists) {
    open();  // all three present first: a later opening must hide what is gone
    const PartsCase& c = GetParam();
    app.m.B_Kakato = c.heel;
    app.m.B_Tumasaki = c.toe;
    app.m.H0 = c.key;
    Form7& page = open();
    for (const auto& [letter, shown] : {std::pair{'F', c.rowF}, {'G', c.rowG}, {'H', c.rowH}}) {
        const Form7Row& r = page.row(letter);
        for (Control* ctl : std::vector<Control*>{r.caption, r.barKind, r.cover, r.computedSpacing,
                                                  r.designSpacing}) {
            EXPECT_EQ(ctl->Visible(), shown) << letter << " " << ctl->name();
        }
        EXPECT_TRUE(r.groupCaption->Visible()) << letter;
        EXPECT_TRUE(r.verdict->Visible()) << letter;
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, RowsOfParts,
                         ::testing::Values(PartsCase{0, 0, 0, false, false, false},
                                           PartsCase{0.6f, 0, 0, true, false, false},
                                           PartsCase{0, 0.5f, 0.4f, false, true, true},
                                           PartsCase{1e-6f, 0, 0, true, false, false}));

TEST_F(OpenPageTest, SurchargeInertiaRowFollowsCaseAndMethod) {
    Form7& page = open();
    page.chk_1.setValue(1);
    page.txt_1.setText("2.5");

    normalCase();
    open();
    EXPECT_FALSE(page.chk_1.Visible());
    EXPECT_FALSE(page.txt_1.Visible());
    EXPECT_FALSE(page.lbl_2.Visible());
    EXPECT_EQ(page.txt_1.Text(), "");
    EXPECT_EQ(page.chk_1.Value(), 1) << "the tick is never changed here";

    page.txt_1.setText("2.5");
    seismicCase(&Form25::opt_K2);
    open();
    EXPECT_TRUE(page.chk_1.Visible() && page.chk_1.Enabled());
    EXPECT_TRUE(page.txt_1.Enabled());
    EXPECT_EQ(page.txt_1.Text(), "2.5") << "kept while the box is ticked";

    page.chk_1.setValue(0);
    page.txt_1.setText("1.0");
    seismicCase(&Form25::opt_D1);
    open();
    EXPECT_TRUE(page.chk_1.Enabled());
    EXPECT_FALSE(page.txt_1.Enabled());
    EXPECT_FALSE(page.lbl_1.Enabled());
    EXPECT_EQ(page.txt_1.Text(), "");

    seismicCase(&Form25::opt_K1);
    open();
    EXPECT_TRUE(page.chk_1.Visible());
    EXPECT_FALSE(page.chk_1.Enabled()) << "seismic earth pressure alone has no inertia";
    EXPECT_FALSE(page.txt_1.Enabled());
}

TEST_F(OpenPageTest, FigureFollowsTheGroundShape) {
    Form23& shapes = app.get<Form23>();
    shapes.opt2.setValue(true);
    app.m.Sigma_max = 120.0f;  // the shape buttons withdraw the stability result
    Form7& page = open();
    EXPECT_FALSE(page.Line100.Visible());
    EXPECT_TRUE(page.Line101.Visible() && page.Line109.Visible() && page.Label101.Visible());
    shapes.opt1.setValue(true);
    app.m.Sigma_max = 120.0f;
    open();
    EXPECT_TRUE(page.Line100.Visible());
    EXPECT_FALSE(page.Line105.Visible() || page.Label100.Visible() || page.Label102.Visible());
}

TEST_F(OpenPageTest, TypedKaIsShownWithTwoDecimalsAtMostAndTakesTheFocus) {
    conditions.opt1.setValue(true);
    Form7& page = open();
    EXPECT_EQ(page.txt_ka.Text(), "0.35");
    EXPECT_EQ(page.txt_ka.BorderStyle, 1);
    EXPECT_TRUE(page.txt_ka.hasFocus());
    EXPECT_TRUE(page.opt1.Value() && page.opt1.Enabled() && page.cmd4.Enabled());
    EXPECT_FALSE(page.opt2.Value() || page.opt2.Enabled() || page.cmd5.Enabled());
    EXPECT_TRUE(main.Toolbar1.button(5).isEnabled());

    app.m.KA = 0.3f;
    open();
    EXPECT_EQ(page.txt_ka.Text(), "0.3");
}

TEST_F(OpenPageTest, ComputedKaEnablesOnlyTheComputeButton) {
    conditions.opt2.setValue(true);
    Form7& page = open();
    EXPECT_TRUE(page.opt2.Value() && page.opt2.Enabled() && page.cmd5.Enabled());
    EXPECT_FALSE(page.opt1.Value() || page.opt1.Enabled() || page.cmd4.Enabled());
    EXPECT_TRUE(page.txt_ka.hasFocus());
}

TEST_F(OpenPageTest, WithoutAKaSourceTheTextStaysAndAnEmptyOneBlocksThePrintImage) {
    Form7& page = open();
    EXPECT_EQ(page.txt_ka.Text(), "");
    EXPECT_FALSE(main.Toolbar1.button(5).isEnabled());

    page.txt_ka.setText("0.28");
    main.Toolbar1.button(5).enabled = true;
    open();
    EXPECT_EQ(page.txt_ka.Text(), "0.28");
    EXPECT_TRUE(main.Toolbar1.button(5).isEnabled());
}

TEST_F(OpenPageTest, BackToTheDimensionsKeepsThePageAndSelectsTheToeLength) {
    Form7& page = open();
    page.txt5.setText("150");
    Form4& wall = app.get<Form4>();
    wall.txt12.setText("0.5");
    page.cmd3.click();
    EXPECT_FALSE(page.Visible());
    EXPECT_TRUE(app.isLoaded<Form7>());
    EXPECT_TRUE(wall.Visible());
    EXPECT_EQ(wall.geometry.left, 0);
    EXPECT_TRUE(wall.txt12.hasFocus());
    EXPECT_EQ(wall.txt12.SelText(), "0.5");
    open();
    EXPECT_EQ(page.txt5.Text(), "150") << "the rows survive the visit";
}

}  // namespace
}  // namespace pelzaro
