#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "project/line_file.h"
#include "project_fixture.h"
#include "state/module1.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

std::string firstDifference(const std::string& a, const std::string& b) {
    std::vector<std::string> la = splitLines(a), lb = splitLines(b);
    for (size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        std::string x = i < la.size() ? la[i] : "(none)", y = i < lb.size() ? lb[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": \"" + x + "\" became \"" + y + "\"";
    }
    return "line ends differ";
}

using Golden = ProjectFixture;

// A sample was saved by the program; opening it recomputes every result, and saving it again
// must give the very same bytes. A difference means either the round trip loses something or
// the calculation now gives other results (then build the samples again with
// PELZARO_WRITE_SAMPLES=1, after checking that the new results are right).
TEST_F(Golden, SaveOpenSaveGivesIdenticalBytes) {
    std::vector<std::string> files = sampleProjects();
    ASSERT_GE(files.size(), 7u);
    for (const std::string& file : files) {
        TestHost fileHost;
        App fileApp(fileHost);
        fileHost.fileAnswers = {file, path("again.qkz")};
        fileHost.answers = {MsgAnswer::Yes};  // replace the copy of the previous sample
        fileApp.get<MDIForm1>().FileOpen();
        EXPECT_TRUE(fileHost.messages.empty()) << file << ": " << fileHost.lastMessage().text;
        EXPECT_EQ(fileApp.m.Flg_Ouryoku, 1) << file;
        fileApp.get<MDIForm1>().Men_FSav_Click();
        std::string original = contents(file), again = contents(path("again.qkz"));
        EXPECT_TRUE(again == original) << file << ": " << firstDifference(original, again);
        fileHost.answers = {MsgAnswer::OK};
        fileApp.get<MDIForm1>().FileUpdate();  // overwrite save writes the same bytes
        EXPECT_TRUE(contents(path("again.qkz")) == again) << file;
    }
}

}  // namespace
}  // namespace pelzaro
