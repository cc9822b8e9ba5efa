// The design-conditions page computes KA ("計算する") and μ ("tanφ") while the wall-dimensions
// page stays shown behind it. The stability check run from that page at once must be the one
// that the saved file gives back: the coefficients enter the calculation as their boxes show
// them, as "地盤の形状 >", the preview and Open read them.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "project_fixture.h"
#include "state/module1.h"
#include "support/member_design.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

struct CoefficientPress {
    const char* name;
    std::function<void(Form3&)> press;
};

class CoefficientsBehindTheWallPage : public ProjectFixture,
                                      public ::testing::WithParamInterface<CoefficientPress> {};

TEST_P(CoefficientsBehindTheWallPage, CalculateAsTheSavedProjectOpensAgain) {
    Program session;
    ASSERT_TRUE(session.open(samplePath("residential-normal-one-sided.qkz")));
    Form3& conditions = session.app.get<Form3>();
    conditions.cmd3.click();                       // 地盤の形状 >
    session.app.get<Form23>().cmd1.click();        // 寸法の入力 >
    GetParam().press(conditions);                  // on the conditions page behind
    Form4& wall = session.app.get<Form4>();
    ASSERT_TRUE(wall.Visible());
    wall.cmd3.click();                             // 安定性の検討
    wall.cmd1.click();                             // 断面計算 >
    designEveryRow(session.app.get<Form7>());
    ASSERT_EQ(session.app.m.Flg_Ouryoku, 1) << session.host.lastMessage().text;

    const std::string saved = session.saveAs(path("session.qkz"));
    Program reopened;
    ASSERT_TRUE(reopened.open(path("session.qkz")));
    EXPECT_EQ(reopened.app.m.Sigma_max, session.app.m.Sigma_max);
    EXPECT_EQ(reopened.saveAs(path("again.qkz")), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoefficientsBehindTheWallPage,
    ::testing::Values(CoefficientPress{"KaComputed", [](Form3& f) { f.cmd6.click(); }},
                      CoefficientPress{"MuAsTanPhi", [](Form3& f) { f.opt6.click(); }}),
    [](const ::testing::TestParamInfo<CoefficientPress>& info) { return info.param.name; });

}  // namespace
}  // namespace pelzaro
