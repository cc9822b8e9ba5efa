// The δ button "計算する" fills the stability wall friction angle as if the user had typed the
// computed angle: the calculations take it as the field shows it. A press that gives the angle
// the field already holds leaves the results standing, and the report prints what the pages
// show; a press that changes it withdraws the results a typed angle withdraws.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "conditions/form3.h"
#include "frame/mdiform1.h"
#include "project/line_file.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/samples.h"
#include "support/stability_figures.h"

namespace pelzaro {
namespace {

namespace fs = std::filesystem;

struct DeltaButtonAfterOpen : ::testing::Test {
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pelzaro-delta-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string saveAs(OpenedSample& s, const std::string& name) {
        const std::string file = folder + "/" + name;
        s.host.fileAnswers.push_back(file);
        s.app.get<MDIForm1>().Men_FSav_Click();
        std::string bytes;
        readWholeFile(file, bytes);
        return bytes;
    }
    // What the File menu offers when the user opens it.
    static MDIForm1& fileMenu(App& app) {
        MDIForm1& main = app.get<MDIForm1>();
        main.Men_F_Click();
        return main;
    }

    std::string folder;
};

// φ 30° and Kh 0.2 give δ 25.68 on the virtual back face: the angle the sample holds.
TEST_F(DeltaButtonAfterOpen, SameAngleLeavesPageReportAndFileAlone) {
    OpenedSample sample(samplePath("residential-seismic-k1-key.qkz"));
    App& app = sample.app;
    Form3& conditions = app.get<Form3>();
    ASSERT_EQ(conditions.txt10.Text(), "25.68");
    const std::string before = saveAs(sample, "before.qkz");
    const StabilityFigures onThePage = figuresOnThePage(app);

    conditions.cmd7.click();

    EXPECT_EQ(conditions.txt10.Text(), "25.68");
    EXPECT_NE(app.m.Sigma_max, 0.0f) << "the results stand";
    EXPECT_TRUE(fileMenu(app).Men_FSav.enabled);
    EXPECT_EQ(figuresOnThePage(app), onThePage);
    EXPECT_EQ(figuresInTheReport(app), onThePage);
    EXPECT_TRUE(saveAs(sample, "after.qkz") == before);
}

// A typed 20° carried the results; the button's 25.68° withdraws them with the computed KA.
TEST_F(DeltaButtonAfterOpen, OtherAngleWithdrawsWhatATypedAngleWithdraws) {
    OpenedSample sample(samplePath("residential-seismic-d1-two-sided.qkz"));
    App& app = sample.app;
    Form3& conditions = app.get<Form3>();
    conditions.txt10.click();
    conditions.txt10.type("20");
    conditions.cmd6.click();  // KA computed with δ 20°
    conditions.cmd3.click();  // 地盤の形状 >
    app.get<Form23>().cmd1.click();
    Form4& wall = app.get<Form4>();
    wall.cmd3.click();  // 安定性の検討
    ASSERT_NE(app.m.Sigma_max, 0.0f) << ::testing::PrintToString(sample.host.messageTexts());
    wall.cmd2.click();  // < 地盤の形状
    app.get<Form23>().cmd2.click();
    ASSERT_TRUE(conditions.Visible());
    ASSERT_TRUE(conditions.opt2.Value());

    conditions.cmd7.click();

    EXPECT_EQ(conditions.txt10.Text(), "25.68");
    EXPECT_EQ(app.m.Flg_DeltaCalc, 1);
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_EQ(conditions.txt15.Text(), "") << "the KA was computed with 20°";
    EXPECT_FALSE(conditions.opt2.Value());
    MDIForm1& main = fileMenu(app);
    EXPECT_FALSE(main.Men_FSav.enabled);
    EXPECT_FALSE(main.Men_FImg.enabled);
    EXPECT_FALSE(main.Toolbar1.button(5).isEnabled());
}

}  // namespace
}  // namespace pelzaro
