// The wall drawing of page 2 and the section figure of page 5 of every sample project, pinned
// event by event: each fits its page at the scales of the drawing rules, so nothing of either
// page may move. With PELZARO_WRITE_TRANSCRIPTS=1 the pages are written into
// tests/data/report/samples instead, after a change that is meant to move them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "report/page_plan.h"
#include "support/report_support.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

std::string pinnedPath(const std::string& sample, int page) {
    const std::string stem = std::filesystem::path(sample).stem().string();
    return std::string(PELZARO_TEST_DATA) + "/report/samples/" + stem + "-page" +
           std::to_string(page) + ".txt";
}

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path);
    for (const std::string& line : lines) out << line << "\n";
}

TEST(SampleFigures, PagesTwoAndFiveOfEverySampleAreAsPinned) {
    const bool write = std::getenv("PELZARO_WRITE_TRANSCRIPTS") != nullptr;
    int pinned = 0;
    for (const std::string& file : sampleProjects()) {
        for (int page : {2, 5}) {
            OpenedSample s(file);
            SCOPED_TRACE(sampleName(file) + " page " + std::to_string(page));
            const DrawnPage drawn = drawReportPage(s.app, page);
            EXPECT_EQ(drawn.error, "");
            const std::string path = pinnedPath(file, page);
            if (write) writeLines(path, drawn.lines);
            const std::vector<std::string> expected = readLines(path);
            ASSERT_EQ(drawn.lines.size(), expected.size());
            for (size_t i = 0; i < expected.size(); ++i)
                ASSERT_EQ(drawn.lines[i], expected[i]) << "event " << i + 1;
            ++pinned;
        }
    }
    EXPECT_EQ(pinned, 14);
}

}  // namespace
}  // namespace pelzaro
