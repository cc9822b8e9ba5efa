// Pages 2 and 3 after a refused stability run: the headings, then the reason in the failing
// presentation with one beep, and nothing of the run before it (no drawing, no self-weight
// table, no earth pressure, no load summary).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page2_fixtures.h"
#include "page3_fixture.h"
#include "stability/calc/stability_outcome.h"

namespace pelzaro {
namespace {

// The texts that carry words, and whether any segment was drawn.
struct Seen {
    std::vector<std::string> texts;
    int beeps = 0;
    bool segments = false;
};

Seen seen(const std::vector<std::string>& lines) {
    Seen s;
    for (const std::string& l : lines) {
        if (l == "BEEP") ++s.beeps;
        if (l.rfind("L ", 0) == 0) s.segments = true;
        if (l.rfind("T ", 0) == 0 && l.find("\"\"") == std::string::npos) s.texts.push_back(l);
    }
    return s;
}

std::string failingLine(StabilityOutcome why) {
    return " 11 13 \"                " + stabilityRefusalMessage(why) + "\"";
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A wall calculated once, then refused on the next run, as DANMEM_1 leaves the state.
Module1 refusedAfterARun(StabilityOutcome why) {
    Module1 m = stateOf(batteredWallInput());
    m.Stability_Outcome = why;
    m.Sigma_max = 0.0f;
    return m;
}

const StabilityOutcome kReasons[] = {StabilityOutcome::ResultantOutsideBase,
                                     StabilityOutcome::NoBaseWidth, StabilityOutcome::NoWallHeight};

TEST(RefusedRun, Page2ShowsItsHeadingsAndTheReasonOnly) {
    for (StabilityOutcome why : kReasons) {
        Module1 m = refusedAfterARun(why);
        const Drawn d = drawOn(m, choicesOf(batteredWallInput()), {Form4_KEIJYOU, Form4_JIJYUU});
        EXPECT_EQ(d.error, "");
        const Seen s = seen(d.lines);
        ASSERT_EQ(s.texts.size(), 3u) << "chapter and load headings, then the reason";
        EXPECT_TRUE(endsWith(s.texts[2], failingLine(why))) << s.texts[2];
        EXPECT_EQ(s.beeps, 1);
        EXPECT_FALSE(s.segments) << "no drawing of the wall";
        EXPECT_EQ(d.lines.back(), "BEEP") << "nothing after the reason";
        EXPECT_EQ(d.size, 11);
        EXPECT_EQ(d.colour, 0);
        EXPECT_EQ(d.style, 0);
    }
}

TEST(RefusedRun, Page3ShowsItsHeadingAndTheReasonOnly) {
    for (StabilityOutcome why : kReasons) {
        for (bool twoSided : {false, true}) {
            Page3 p;
            p.m = refusedAfterARun(why);
            p.opt = choicesOf(batteredWallInput());
            p.opt.shapeOneSided = !twoSided, p.opt.shapeTwoSided = twoSided;
            p.opt.kaComputed = true;
            const Page3::Drawn d = p.draw();
            EXPECT_EQ(d.error, "");
            const Seen s = seen(d.lines);
            ASSERT_EQ(s.texts.size(), 2u) << "the heading, then the reason";
            EXPECT_TRUE(endsWith(s.texts[1], failingLine(why))) << s.texts[1];
            EXPECT_EQ(s.beeps, 1);
            EXPECT_FALSE(s.segments) << "no load summary table";
            EXPECT_TRUE(d.endsClean());
        }
    }
}

}  // namespace
}  // namespace pelzaro
