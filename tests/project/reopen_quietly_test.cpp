// A project the program saved opens again without a word and saves to the same bytes. The
// file here is a wall whose ground reaction ends within a slab part before Open has computed
// the reaction of the file's wall: the bar kinds read from the file must not design their rows
// on the reaction of the project before, which refused one of them.

#include <gtest/gtest.h>

#include <string>

#include "project_fixture.h"
#include "state/module1.h"

namespace pelzaro {
namespace {

using ReopenQuietly = ProjectFixture;

TEST_F(ReopenQuietly, ARowDesignedInTheSessionIsDesignedOnOpenWithoutARefusal) {
    const std::string file = std::string(PELZARO_TEST_DATA) + "/reopen/eccentric-reaction-rows.qkz";
    Program program;
    ASSERT_TRUE(program.open(file));
    EXPECT_EQ(program.host.messageTexts(), std::vector<std::string>{});
    EXPECT_EQ(program.app.m.Flg_Ouryoku, 1);
    EXPECT_EQ(program.saveAs(path("again.qkz")), contents(file));
}

}  // namespace
}  // namespace pelzaro
