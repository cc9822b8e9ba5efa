// Looking at the report changes nothing of the project: after the preview has been paged
// through and closed, and the whole report printed, Save as writes the same bytes as before,
// and the page the user was on is the page shown again.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "preview/preview_page.h"
#include "preview/print_request.h"
#include "preview_fixture.h"
#include "project/line_file.h"
#include "state/module1.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

namespace fs = std::filesystem;

struct Folder {
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "pelzaro-preview-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path = pattern;
    }
    ~Folder() {
        if (!path.empty()) fs::remove_all(path);
    }
    std::string path;
};

std::string savedAs(TestHost& host, MDIForm1& main, const std::string& file) {
    host.fileAnswers.push_back(file);
    main.Men_FSav_Click();
    std::string bytes;
    readWholeFile(file, bytes);
    return bytes;
}

TEST(ReportLeavesTheProject, SaveAsGivesTheSameBytesAfterThePreviewAndThePrint) {
    Folder folder;
    ASSERT_FALSE(folder.path.empty());
    for (const std::string& file : sampleProjects()) {
        const std::string name = sampleName(file);
        OpenedSample sample(file);
        TestHost& host = sample.host;
        App& app = sample.app;
        MDIForm1& main = app.get<MDIForm1>();
        ASSERT_EQ(main.CommonDialog1_FileName, file);
        const int pageBefore = app.m.Flg_Page;
        const std::string before = savedAs(host, main, folder.path + "/before-" + name);
        ASSERT_FALSE(before.empty()) << name;
        host.clearRecords();

        main.FileImage();
        ASSERT_NE(shownPage(app), 0) << name;
        for (int guard = 0; guard < 9 && previewWindow(app, shownPage(app)).Men_Nex.enabled;
             ++guard)
            previewWindow(app, shownPage(app)).Men_Nex.choose();
        for (int guard = 0; guard < 9 && shownPage(app) > 1; ++guard)
            previewWindow(app, shownPage(app)).Men_Pre.choose();
        EXPECT_EQ(shownPage(app), 1) << name;
        previewWindow(app, 1).Men_Cls.choose();
        EXPECT_EQ(shownPage(app), 0) << name;
        main.FilePrint(PrintRequest{PrintRange::Range_All, true, 1.0f});

        EXPECT_EQ(host.messageTexts(), std::vector<std::string>{}) << name;
        EXPECT_EQ(app.m.Flg_Page, pageBefore) << name;
        const std::string after = savedAs(host, main, folder.path + "/after-" + name);
        EXPECT_TRUE(after == before) << name << ": the project changed by looking at its report";
    }
}

}  // namespace
}  // namespace pelzaro
