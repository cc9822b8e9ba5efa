// "応力度計算" stands on the stability result the wall-dimensions page shows. Where an edit on
// that page (behind the member page) has withdrawn the result or its rows, rows designed again
// rest on a reaction that no longer stands: the check says so, as "断面計算 >" does, and the
// project is not offered for saving, since it would open again as another one.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "conditions/form3.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/member_design.h"
#include "support/sample_fixture.h"
#include "support/scenario.h"

namespace pelzaro {
namespace {

struct WallEdit {
    const char* name;
    std::function<void(Form4&)> edit;
};

class StressCheckNeedsStability : public SampleProgram<>,
                                  public ::testing::WithParamInterface<WallEdit> {};

TEST_P(StressCheckNeedsStability, AfterAWallPageEditBehindTheMemberPage) {
    openSampleNamed("residential-normal-one-sided.qkz");
    shown<Form3>(app).cmd3.click();  // 地盤の形状 >
    app.get<Form23>().cmd1.click();  // 寸法の入力 >
    Form4& wall = app.get<Form4>();
    wall.cmd1.click();  // 断面計算 >
    Form7& page = app.get<Form7>();
    ASSERT_TRUE(page.Visible());

    GetParam().edit(wall);
    designEveryRow(page);

    EXPECT_EQ(host.lastMessage().text, "安定性の検討をしてください。");
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    main.Men_F_Click();
    EXPECT_FALSE(main.Men_FSav.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StressCheckNeedsStability,
    ::testing::Values(WallEdit{"ShearKeyChosen", [](Form4& w) { w.opt6.click(); }},
                      WallEdit{"BackSurchargeTyped",
                               [](Form4& w) {
                                   w.txt21.click();
                                   w.txt21.type("20");
                               }}),
    [](const ::testing::TestParamInfo<WallEdit>& info) { return info.param.name; });

}  // namespace
}  // namespace pelzaro
