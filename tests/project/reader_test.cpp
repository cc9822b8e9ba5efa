#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/layout.h"
#include "project/line_file.h"
#include "project/project_reader.h"
#include "project/value_forms.h"

namespace pelzaro {
namespace {

// A well-formed file of `count` lines: every line in the form its target expects.
std::vector<std::string> wellFormedLines(int count = kCoreLines) {
    std::vector<std::string> lines;
    for (const LineSpec& entry : projectLayout()) {
        if (entry.line > count) break;
        switch (entry.target) {
            case Target::Option:
                lines.push_back("False");
                break;
            case Target::Check:
                lines.push_back(formatInteger(0));
                break;
            case Target::ListIndex:
                lines.push_back(formatInteger(-1));
                break;
            case Target::Single:
                lines.push_back(*formatSingle(0.0f));
                break;
            default:
                lines.push_back("");
                break;
        }
    }
    return lines;
}

TEST(ProjectLayout, LinesAreNumberedInOrderAndFormsMatchTheirTargets) {
    const auto& layout = projectLayout();
    ASSERT_EQ(layout.size(), static_cast<size_t>(kAllLines));
    for (size_t i = 0; i < layout.size(); ++i) EXPECT_EQ(layout[i].line, static_cast<int>(i + 1));
    // Spot checks of the contract between writer and reader.
    EXPECT_STREQ(layout[0].name, "opt_T");
    EXPECT_STREQ(layout[16].name, "cbo1");
    EXPECT_EQ(layout[77].target, Target::Check);       // line 78 Form4.chk1
    EXPECT_STREQ(layout[120].name, "a1_A");            // line 121
    EXPECT_STREQ(layout[151].name, "dk_H");            // line 152
    EXPECT_EQ(layout[159].target, Target::ListIndex);  // line 160 Form7.cbo10
    EXPECT_STREQ(layout[215].name, "lbl40");           // line 216
    EXPECT_EQ(layout[216].target, Target::DeltaFlag);  // line 217
    EXPECT_EQ(layout[217].form, FormId::Form26);       // line 218
    // Every field a user types has a name for the messages.
    for (const LineSpec& entry : layout)
        if (entry.target == Target::Text) {
            EXPECT_STRNE(entry.field, "") << entry.line;
        }
}

TEST(ProjectReader, AcceptsOlderFilesOf217LinesAndNewerOf220) {
    ProjectReadOutcome older = parseProjectBytes(joinCrLf(wellFormedLines(217)));
    ASSERT_TRUE(older.ok) << older.message;
    EXPECT_EQ(older.project.lines.size(), 220u);
    EXPECT_EQ(older.project.line(218), "");

    std::vector<std::string> lines = wellFormedLines(220);
    lines[217] = "0.5";
    lines.push_back("a line after the last is ignored");
    ProjectReadOutcome newer = parseProjectBytes(joinCrLf(lines));
    ASSERT_TRUE(newer.ok) << newer.message;
    EXPECT_EQ(newer.project.line(218), "0.5");
}

TEST(ProjectReader, RefusesAndNamesTheFirstBadLine) {
    struct Case {
        int line;              // 1-based line to spoil, 0 for none
        std::string text;      // its text
        int keepLines;         // how many lines the file keeps
        std::string expected;  // part of the message
        const char* why;
    };
    const Case cases[] = {
        {0, "", 0, "1行目がありません", "an empty file"},
        {0, "", 100, "101行目がありません", "a short file"},
        {0, "", 216, "217行目がありません", "one line short"},
        {1, "Yes", 217, "1行目：True か False", "an option that is no Boolean"},
        {56, "", 217, "56行目：True か False", "an empty option line"},
        {78, " 2 ", 217, "78行目：0 か 1", "a check box beyond 1"},
        {121, "0,7133", 217, "121行目：数値", "a decimal comma"},
        {153, " 21 ", 217, "153行目：鉄筋の種類は -1 から 20", "past the last bar kind"},
        {160, " 1.5 ", 217, "160行目：鉄筋の種類", "a fraction as list position"},
        {3, "\x82\xA0\x82", 217, "3行目に Shift-JIS", "a cut-off double-byte character"},
        {200, "\xEF\xBB\xBF", 217, "200行目に Shift-JIS", "UTF-8 bytes"},
        {30, std::string("A\0B", 3), 217, "30行目に Shift-JIS", "a NUL inside a text"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = wellFormedLines(c.keepLines);
        if (c.line > 0) lines[static_cast<size_t>(c.line - 1)] = c.text;
        ProjectReadOutcome outcome = parseProjectBytes(joinCrLf(lines));
        EXPECT_FALSE(outcome.ok) << c.why;
        EXPECT_NE(outcome.message.find(c.expected), std::string::npos)
            << c.why << ": " << outcome.message;
    }
}

TEST(ProjectReader, GarbageIsRefused) {
    std::string garbage;
    for (int i = 0; i < 4000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    ProjectReadOutcome outcome = parseProjectBytes(garbage);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.message.find("行"), std::string::npos) << outcome.message;
}

}  // namespace
}  // namespace pelzaro
