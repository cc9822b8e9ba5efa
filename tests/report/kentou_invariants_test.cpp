// Rules that hold on every drawing of report page 4: a failing block is coloured 13 and
// followed by exactly one beep, a second drawing beeps again, a refused run prints its reason
// and nothing of an earlier run, and a value that cannot be computed ends the section with a
// report error instead of "inf", "nan" or "-0.000".

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "kentou_page.h"
#include "report/sections.h"
#include "stability/form4.h"
#include "support/report_support.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

TEST(KentouInvariants, EachFailingBlockBeepsOnceOnEveryDrawing) {
    KentouPage page;
    page.m.F_Tentou = 1.1f;     // overturning fails
    page.m.Sigma_max = 160.0f;  // bearing fails
    page.opt.case_N = false, page.opt.case_S = true, page.opt.n_F15AndBOver6 = false;
    page.opt.s_F12AndBOver3 = true, page.opt.s_slideF12 = true;
    page.m.F_Katsudou = 1.0f;  // sliding fails, the section goes on
    const std::vector<std::string> first = page.draw();
    EXPECT_EQ(failingBlocks(first), 3);
    EXPECT_EQ(page.sink.beeps(), 3);
    const std::vector<std::string> second = page.draw();
    EXPECT_EQ(second, first) << "the same page drawn again";
    EXPECT_EQ(page.sink.beeps(), 3) << "and it beeps again";
    EXPECT_EQ(page.pri.foreColor(), 0);
    EXPECT_EQ(page.pri.fontSize(), 11);
}

TEST(KentouInvariants, ARefusedRunPrintsItsReasonOnly) {
    KentouPage page;
    page.m.Sigma_max = 0.0f;
    page.m.Stability_Outcome = StabilityOutcome::NoHorizontalForce;
    const std::vector<std::string> expected = {
        "T 0 1100 11 0 \"            1－２ 安定性の検討（常時）\"",
        "T 0 1540 11 13 \"                " +
            stabilityRefusalMessage(StabilityOutcome::NoHorizontalForce) + "\"",
        "BEEP",
    };
    EXPECT_EQ(page.draw(), expected);
    EXPECT_EQ(page.error, "");
    EXPECT_EQ(page.pri.foreColor(), 0);
    EXPECT_EQ(page.pri.fontSize(), 11);
}

TEST(KentouInvariants, NoResultAndNoReasonIsAnError) {
    KentouPage page;
    page.m.Sigma_max = 0.0f;  // withdrawn since the last run
    const std::vector<std::string> lines = page.draw();
    EXPECT_NE(page.error, "");
    EXPECT_EQ(lines.size(), 1u) << "the heading only";
}

TEST(KentouInvariants, AValueThatCannotBeComputedEndsTheSection) {
    struct Row {
        const char* why;
        void (*spoil)(KentouPage&);
    } rows[] = {
        {"no base width: no ratio |e|/B", [](KentouPage& p) { p.m.B = 0.0f; }},
        {"no base width, with a key",
         [](KentouPage& p) {
             p.m.B = 0.0f;
             p.opt.keyNone = false, p.opt.keyPresent = true;
         }},
        {"an infinite factor",
         [](KentouPage& p) { p.m.F_Tentou = std::numeric_limits<float>::infinity(); }},
        {"a NaN pressure", [](KentouPage& p) { p.m.Sigma_min = std::nanf(""); }},
        {"a NaN resistance",
         [](KentouPage& p) {
             p.opt.keyNone = false, p.opt.keyPresent = true, p.opt.std_T = false;
             p.opt.std_D = true;
             p.m.Hk = std::nan("");
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page;
        r.spoil(page);
        const std::vector<std::string> lines = page.draw();
        EXPECT_NE(page.error, "");
        EXPECT_TRUE(noBadNumbers(lines));
        EXPECT_GE(failingBlocks(lines), 0);
    }
}

TEST(KentouInvariants, ANegativeZeroPrintsAsZero) {
    KentouPage page;
    page.m.e = -0.0001f;  // prints as 0.000, never -0.000
    EXPECT_TRUE(noBadNumbers(page.draw()));
    EXPECT_EQ(page.error, "");
}

// Every sample project, opened as a user opens it: the calculation runs, then page 4 is drawn
// twice through the report's own reading of the page choices.
TEST(KentouSamples, EveryPageEndsCleanAndBeepsPerFailingBlock) {
    int files = 0;
    for (const std::string& file : sampleProjects()) {
        SCOPED_TRACE(sampleName(file));
        ++files;
        OpenedSample s(file);
        App& app = s.app;
        app.get<Form4>().DANMEM_1();
        ASSERT_NE(app.m.Sigma_max, 0.0f);
        const DrawnPage first = drawPage(app, {Form4_KENTOU});
        const DrawnPage second = drawPage(app, {Form4_KENTOU});
        EXPECT_EQ(first.error, "");
        EXPECT_TRUE(first.endsClean());
        EXPECT_TRUE(noBadNumbers(first.lines));
        EXPECT_EQ(failingBlocks(first.lines), first.beeps);
        EXPECT_EQ(second.lines, first.lines);
        EXPECT_EQ(second.beeps, first.beeps);
        EXPECT_GT(first.lines.size(), 20u);
    }
    EXPECT_GE(files, 7);
}

}  // namespace
}  // namespace pelzaro
