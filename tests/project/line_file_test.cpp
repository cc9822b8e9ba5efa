#include "project/line_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pelzaro {
namespace {

namespace fs = std::filesystem;

class FileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pelzaro-lines-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string contents(const std::string& p) const {
        std::string bytes;
        EXPECT_TRUE(readWholeFile(p, bytes).ok());
        return bytes;
    }
    size_t entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    fs::path dir;
};

TEST(Lines, SplitAndJoin) {
    EXPECT_EQ(joinCrLf({"a", "", "c"}), "a\r\n\r\nc\r\n");
    EXPECT_EQ(splitLines("a\r\n\r\nc\r\n"), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(splitLines("a\nb"), (std::vector<std::string>{"a", "b"}));  // lone LF, no end
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("\r\n"), (std::vector<std::string>{""}));  // one empty line
}

TEST_F(FileOnDisk, AtomicWriteCreatesAndReplacesLeavingNoTemporaryFile) {
    std::string target = path("wall.qkz");
    ASSERT_TRUE(writeFileAtomically(target, "first\r\n").ok());
    ASSERT_TRUE(writeFileAtomically(target, "second\r\n").ok());
    EXPECT_EQ(contents(target), "second\r\n");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileOnDisk, ReplacingKeepsThePermissionsOfTheFile) {
    std::string target = path("wall.qkz");
    ASSERT_TRUE(writeFileAtomically(target, "x").ok());
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(target, "y").ok());
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(FileOnDisk, ALinkToAProjectStaysALink) {
    std::string target = path("real.qkz");
    ASSERT_TRUE(writeFileAtomically(target, "x").ok());
    fs::create_symlink(target, path("link.qkz"));
    ASSERT_TRUE(writeFileAtomically(path("link.qkz"), "y").ok());
    EXPECT_TRUE(fs::is_symlink(path("link.qkz")));
    EXPECT_EQ(contents(target), "y");
}

TEST_F(FileOnDisk, FailuresLeaveTheExistingFileUntouched) {
    std::string folderAsTarget = path("sub");
    fs::create_directory(folderAsTarget);
    EXPECT_EQ(writeFileAtomically(folderAsTarget, "x").failure, FileFailure::NotAFile);
    EXPECT_EQ(writeFileAtomically(path("missing/wall.qkz"), "x").failure, FileFailure::NotFound);
    EXPECT_EQ(entries(), 1u);  // no temporary file left behind
}

TEST_F(FileOnDisk, ReadFailuresAreNamed) {
    std::string bytes;
    EXPECT_EQ(readWholeFile(path("none.qkz"), bytes).failure, FileFailure::NotFound);
    EXPECT_EQ(readWholeFile(dir.string(), bytes).failure, FileFailure::NotAFile);
}

}  // namespace
}  // namespace pelzaro
