#pragma once
// A fresh program with a scripted host, a temporary home folder and helpers for the files the
// project tests write and read.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "project/line_file.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "support/test_host.h"

namespace pelzaro {

class ProjectFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "pelzaro-project-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        const char* old = std::getenv("HOME");
        oldHome = old ? old : "";
        setenv("HOME", home.c_str(), 1);
    }
    void TearDown() override {
        setenv("HOME", oldHome.c_str(), 1);
        std::filesystem::remove_all(home);
    }

    std::string path(const std::string& name) const { return home + "/" + name; }
    std::string contents(const std::string& p) const {
        std::string bytes;
        readWholeFile(p, bytes);
        return bytes;
    }
    void writeRaw(const std::string& p, const std::string& bytes) const {
        ASSERT_TRUE(writeFileAtomically(p, bytes).ok());
    }
    MDIForm1& main() { return app.get<MDIForm1>(); }

    // Save as through the File menu's handler, answering the dialog with `name`.
    void saveAs(const std::string& p) {
        host.fileAnswers.push_back(p);
        main().Men_FSav_Click();
    }
    void open(const std::string& p) {
        host.fileAnswers.push_back(p);
        main().FileOpen();
    }

    std::string home;
    std::string oldHome;
    TestHost host;
    App app{host};
};

// One program, as a user starts it, outside the fixture's own: for tests that open a file in a
// second program or compare two of them.
struct Program {
    TestHost host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();

    // File ▸ Open answering the dialog with `file`; true when it became the project's path.
    bool open(const std::string& file) {
        host.fileAnswers.push_back(file);
        main.FileOpen();
        return main.CommonDialog1_FileName == file;
    }
    // Save as into a new file of that name; the bytes written.
    std::string saveAs(const std::string& file) {
        std::filesystem::remove(file);
        host.fileAnswers.push_back(file);
        main.Men_FSav_Click();
        std::string bytes;
        readWholeFile(file, bytes);
        return bytes;
    }
    // What the File menu offers when the user opens it.
    bool saveAsOffered() {
        main.Men_F_Click();
        return main.Men_FSav.enabled;
    }
};

// A user going through the pages of one program.
struct User : Program {
    Form4& wallPage() { return app.get<Form4>(); }
    Form7& memberPage() { return app.get<Form7>(); }

    // From the design-conditions page, where Open leaves the user, to the wall dimensions.
    Form4& toTheWallDimensions() {
        app.get<Form3>().cmd3.click();   // 地盤の形状 >
        app.get<Form23>().cmd1.click();  // 寸法の入力 >
        return wallPage();
    }
    Form7& toTheMemberDesign() {
        toTheWallDimensions().cmd1.click();  // 断面計算 >
        return memberPage();
    }
};

}  // namespace pelzaro
