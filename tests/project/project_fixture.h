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
#include "support/program.h"
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


}  // namespace pelzaro
