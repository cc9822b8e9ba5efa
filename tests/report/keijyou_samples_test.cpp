// The load-calculation page of every sample project: the invariants of the page, and the same
// page whatever page was drawn before it.

#include <gtest/gtest.h>

#include <algorithm>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "page2_invariants.h"
#include "report/page_plan.h"
#include "report/report_error.h"
#include "report/sections.h"
#include "support/report_support.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

// The page drawn on a recording surface, keeping the events for the geometric checks.
struct Page {
    std::vector<ReportEvent> events;
    std::vector<std::string> lines;
    std::string error;
};

Page drawPageOf(App& app, int page) {
    RecordingSink sink;
    Surface pri(sink);
    pri.startPage();
    Page p;
    try {
        for (SectionPrinter s : pageSections(page, wallParts(app.m))) {
            drawSections(app, pri, {s});
            if (page == 2) {  // each section of the page ends clean
                EXPECT_EQ(pri.fontSize(), 11);
                EXPECT_EQ(pri.foreColor(), 0);
                EXPECT_EQ(pri.drawStyle(), 0);
            }
        }
    } catch (const ReportError& e) {
        p.error = e.what();
    }
    p.events = sink.events;
    p.lines = sink.lines();
    return p;
}

TEST(LoadPageOfEverySample, HoldsItsInvariants) {
    const std::vector<std::string> files = sampleProjects();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        OpenedSample s(file);
        ASSERT_NE(s.app.m.Sigma_max, 0.0f) << "the stability calculation has not run";
        const Page p = drawPageOf(s.app, 2);
        EXPECT_EQ(p.error, "");
        EXPECT_EQ(
            openEnds(outlineSegments(p.events, s.app.m.B_Kakato != 0, s.app.m.B_Tumasaki != 0)),
            std::vector<std::string>{});
        EXPECT_EQ(overlaps(p.events), std::vector<std::string>{});
        EXPECT_LT(lowestPoint(p.events), 15600);
        for (const std::string& l : p.lines) {
            EXPECT_EQ(badNumberIn(l), "") << l;
        }
    }
}

TEST(LoadPageOfEverySample, IsTheSameWhicheverPageCameBefore) {
    for (const std::string& file : sampleProjects()) {
        SCOPED_TRACE(file);
        OpenedSample s(file);
        const std::vector<std::string> first = drawPageOf(s.app, 2).lines;
        for (int before : {1, 3, 4, 5, 2}) {
            drawPageOf(s.app, before);
            EXPECT_EQ(drawPageOf(s.app, 2).lines, first) << "after page " << before;
        }
    }
}

}  // namespace
}  // namespace pelzaro
