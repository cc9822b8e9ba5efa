// The member-part sections of every sample project as the program opens it: pages 6 to 9 draw
// without error, end clean, print no "inf", "nan" or "-0.000", every failing group is
// coloured and beeps once, the design state is left as it was, and each printed stress is the
// one the member-design page shows for the spacing printed. Then the page's spacing edited
// after the stress check, and a part whose spacing is taken away.

#include <gtest/gtest.h>

#include <algorithm>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "members/open_member_page.h"
#include "report/member_stress_block.h"
#include "report/page_plan.h"
#include "report/recording_sink.h"
#include "report/report_error.h"
#include "report/report_page.h"
#include "report/sections.h"
#include "support/report_support.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

struct Page {
    RecordingSink sink;
    std::string error;
    int colour = -1;
};

void drawOn(App& app, const std::vector<SectionPrinter>& sections, Page& page) {
    Surface pri(page.sink);
    pri.startPage();
    try {
        drawSections(app, pri, sections);
    } catch (const ReportError& e) {
        page.error = e.what();
    }
    page.colour = pri.foreColor();
}

// Every run of colour-13 texts ends in exactly one beep, and every beep ends such a run.
void expectFailingGroupsBeepOnce(const RecordingSink& sink, const std::string& where) {
    bool inRun = false;
    for (const ReportEvent& e : sink.events) {
        if (e.kind == ReportEvent::Beep) {
            EXPECT_TRUE(inRun) << where << ": a beep without failing lines";
            inRun = false;
        } else if (e.kind == ReportEvent::Text) {
            if (e.colour == 13)
                inRun = true;
            else
                EXPECT_FALSE(inRun) << where << ": failing lines without a beep";
        }
    }
    EXPECT_FALSE(inRun) << where;
}

// The value printed after the last "=" of the formula line that begins with `head`.
std::vector<std::string> printedValues(const RecordingSink& sink, const std::string& head) {
    std::vector<std::string> values;
    for (const std::string& t : sink.texts()) {
        if (t.rfind(head, 0) != 0) continue;
        const size_t eq = t.rfind('=');
        values.push_back(t.substr(eq + 1, t.find("N/mm2") - eq - 1));
    }
    return values;
}

TEST(HaikinSamples, PagesSixToNineHoldTheirInvariants) {
    for (const std::string& file : sampleProjects()) {
        OpenedSample o(file);
        const float sigmaSa = o.app.m.Sigma_sa;
        for (int page = 6; page <= 9; ++page) {
            Page p;
            drawOn(o.app, pageSections(page, wallParts(o.app.m)), p);
            const std::string where = file + " page " + std::to_string(page);
            EXPECT_EQ(p.error, "") << where;
            EXPECT_EQ(p.colour, 0) << where;
            for (const std::string& t : p.sink.texts()) {
                EXPECT_EQ(badNumberIn(t), "") << where << ": " << t;
            }
            expectFailingGroupsBeepOnce(p.sink, where);
        }
        EXPECT_EQ(o.app.m.Sigma_sa, sigmaSa) << file;
    }
}

// The concrete stresses printed on pages 6 and 7 are those of the page's own stress check.
TEST(HaikinSamples, PrintedStressesAreThePagesOwn) {
    for (const std::string& file : sampleProjects()) {
        OpenedSample o(file);
        Form7& f7 = o.app.get<Form7>();
        if (f7.lbl1.Caption().empty()) continue;  // no stress check in this project
        Page p6, p7;
        drawOn(o.app, pageSections(6, wallParts(o.app.m)), p6);
        drawOn(o.app, pageSections(7, wallParts(o.app.m)), p7);
        const std::string sigmaC = "                   σc=";
        const std::vector<std::string> a_b = printedValues(p6.sink, sigmaC);
        const std::vector<std::string> c_d = printedValues(p7.sink, sigmaC);
        ASSERT_EQ(a_b.size(), 2u) << file;
        ASSERT_EQ(c_d.size(), 2u) << file;
        EXPECT_EQ(a_b[0], f7.lbl1.Caption()) << file;
        EXPECT_EQ(a_b[1], f7.lbl5.Caption()) << file;
        EXPECT_EQ(c_d[0], f7.lbl17.Caption()) << file;
        EXPECT_EQ(c_d[1], f7.lbl21.Caption()) << file;
    }
}

// A spacing typed after the stress check: the block prints that spacing and the stresses for
// it, the ones the page's stress check then gives.
TEST(HaikinSamples, SpacingEditedAfterTheStressCheck) {
    OpenedSample o(samplePath("residential-normal-one-sided.qkz"));
    openMemberDesignPage(o.app);  // the user goes on to the page with "断面計算 >"
    Form7& f7 = o.app.get<Form7>();
    ASSERT_FALSE(f7.lbl1.Caption().empty());
    const std::string before = f7.lbl1.Caption();
    f7.txt1.setText("100");
    Page p;
    drawOn(o.app, {Form7_HAIKIN_A}, p);
    const std::vector<std::string> printed = printedValues(p.sink, "                   σc=");
    ASSERT_EQ(printed.size(), 1u);
    bool barLine = false;
    for (const std::string& t : p.sink.texts())
        barLine |= t.find("-100@  とする") != std::string::npos;
    EXPECT_TRUE(barLine);
    f7.cmd1.click();
    EXPECT_EQ(o.host.messageTexts(), std::vector<std::string>{});
    EXPECT_EQ(printed[0], f7.lbl1.Caption()) << before;
    EXPECT_NE(printed[0], before);
}

TEST(HaikinSamples, PartWithoutSpacingIsNotChecked) {
    OpenedSample o(samplePath("residential-normal-one-sided.qkz"));
    Form7& f7 = o.app.get<Form7>();
    for (const char* spacing : {"", "0", "-50"}) {
        f7.txt2.setText(spacing);
        Page p;
        drawOn(o.app, {Form7_HAIKIN_A, Form7_HAIKIN_B}, p);
        EXPECT_EQ(p.error, "") << spacing;
        const std::vector<std::string> texts = p.sink.texts();
        EXPECT_EQ(printedValues(p.sink, "                   σc=").size(), 1u) << spacing;
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), kNoCheckLine) << spacing;
        EXPECT_EQ(p.sink.events.back().kind, ReportEvent::Beep) << spacing;
        EXPECT_EQ(p.colour, 0);
    }
}

}  // namespace
}  // namespace pelzaro
