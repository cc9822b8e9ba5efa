// The shear-key dialogs and the report: a key typed anew withdraws the key's member row and the
// stress check, so that once both checks have run again the member chapter prints the passive
// pressure that page 4 prints; and "計算", which empties the sliding rows, withdraws the stress
// check with them, so that a project is saved only after the checks ran again and then opens to
// the same bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "numeric/format.h"
#include "project/line_file.h"
#include "stability/form19.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/program.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

// A user of one program, who runs the checks again after an edit.
struct Program : User {
    Form4& wall() { return wallPage(); }
    Form7& members() { return memberPage(); }

    // 安定性の検討, 断面計算 >, every emptied row given its bar kind and spacing again (within
    // what the row allows), 応力度計算.
    void checkAgain(const std::vector<int>& barKinds, const std::vector<std::string>& spacings) {
        wall().cmd3.click();
        wall().cmd1.click();
        for (size_t i = 0; i < members().rows().size(); ++i) {
            const Form7Row& r = members().rows()[i];
            if (!r.barKind->Visible() || !r.barKind->Text().empty()) continue;
            r.barKind->pick(barKinds[i]);
            ASSERT_FALSE(r.computedSpacing->Caption().empty()) << r.letter;
            const int allowed = std::stoi(r.computedSpacing->Caption());
            r.designSpacing->click();
            r.designSpacing->type(std::to_string(std::min(std::stoi(spacings[i]), allowed)));
        }
        members().cmd1.click();
    }
};

struct KeyEntriesReport : ::testing::Test {
    void SetUp() override {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "pelzaro-key-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string path(const std::string& name) const { return folder + "/" + name; }

    void openSample(const char* name) {
        user.open(samplePath(name));
        for (const Form7Row& r : user.members().rows()) {
            barKinds.push_back(r.barKind->ListIndex());
            spacings.push_back(r.designSpacing->Text());
        }
        ASSERT_EQ(user.app.m.Flg_Ouryoku, 1);
    }
    // Saved, opened in another program and saved again: the same bytes.
    void expectSavedProjectOpensAsSaved() {
        const std::string saved = user.saveAs(path("checked.qkz"));
        ASSERT_FALSE(saved.empty());
        Program reopened;
        reopened.open(path("checked.qkz"));
        EXPECT_EQ(reopened.saveAs(path("again.qkz")), saved);
    }

    std::string folder;
    Program user;
    std::vector<int> barKinds;
    std::vector<std::string> spacings;
};

// The texts of the member chapter, pages 5 to 9.
std::vector<std::string> memberChapter(App& app) {
    std::vector<std::string> texts;
    for (int page = 5; page <= 9; ++page) {
        const DrawnPage drawn = drawReportPage(app, page);
        texts.insert(texts.end(), drawn.texts.begin(), drawn.texts.end());
    }
    return texts;
}

bool mentions(const std::vector<std::string>& texts, const std::string& value) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& t) { return t.find(value) != std::string::npos; });
}

TEST_F(KeyEntriesReport, ATypedKeyHeightReachesTheMemberChapterOnceTheChecksRunAgain) {
    openSample("residential-seismic-k1-key.qkz");
    const std::string oldPressure = Format(user.app.m.P_Tokki, "0.000");
    user.toTheWallDimensions();
    user.host.onModal<Form19>([](Form19& d) {
        d.txt1.type("0.6");  // the focus is in H0 when the dialog opens
        d.cmd1.click();      // 計算
    });
    user.wall().cmd5.click();  // 突起の計算
    EXPECT_EQ(user.app.m.Flg_Ouryoku, 0);
    EXPECT_EQ(user.members().cbo10.Text(), "") << "row H was computed for the old key";

    user.checkAgain(barKinds, spacings);
    ASSERT_EQ(user.app.m.Flg_Ouryoku, 1) << ::testing::PrintToString(user.host.messageTexts());
    const std::string pressure = Format(user.app.m.P_Tokki, "0.000");
    ASSERT_NE(pressure, oldPressure) << "a higher key meets another passive pressure";
    EXPECT_TRUE(mentions(drawReportPage(user.app, 4).texts, pressure));
    const std::vector<std::string> chapter = memberChapter(user.app);
    EXPECT_TRUE(mentions(chapter, pressure));
    EXPECT_FALSE(mentions(chapter, oldPressure));
    expectSavedProjectOpensAsSaved();
}

// 計算 of the road-guideline dialog, without an edit, empties the sliding rows: the stress
// check goes, so the project is not offered for saving with those rows empty; both checks
// again, and it saves and reopens as saved.
TEST_F(KeyEntriesReport, TheRoadKeyCheckWithdrawsTheStressCheckAndTheRechecksSaveAsTheyOpen) {
    openSample("road-seismic-k2-key.qkz");
    user.toTheWallDimensions();
    user.host.onModal<Form26>([](Form26& d) { d.cmd1.click(); });
    user.wall().cmd5.click();  // 突起の計算
    EXPECT_EQ(user.wall().lbl64.Caption(), "") << "the sliding row of the key is emptied";
    EXPECT_EQ(user.app.m.Flg_Ouryoku, 0);
    user.main.Men_F_Click();
    EXPECT_FALSE(user.main.Men_FSav.enabled);

    user.checkAgain(barKinds, spacings);
    ASSERT_EQ(user.app.m.Flg_Ouryoku, 1) << ::testing::PrintToString(user.host.messageTexts());
    EXPECT_NE(user.wall().lbl64.Caption(), "");
    expectSavedProjectOpensAsSaved();
}

}  // namespace
}  // namespace pelzaro
