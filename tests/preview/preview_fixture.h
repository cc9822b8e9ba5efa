#pragma once
// A program with a preview to page through, and a watch on what each report page runs: the
// recalculations, hiding the member-design page and the section printers, each logged with
// the report page whose window is shown at that moment ("p4 Form4.KENTOU"). The watched steps
// only log, so the wall's parts are what the test sets.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/preview_page.h"
#include "preview/preview_paging.h"
#include "preview/report_steps.h"
#include "report/page_plan.h"
#include "report/sections.h"
#include "report/surface.h"
#include "state/module1.h"
#include "support/test_host.h"

namespace pelzaro {

inline std::string sectionName(SectionPrinter s) {
    static const std::vector<std::pair<SectionPrinter, const char*>> names = {
        {Form3_Ippan, "Form3.Ippan"},       {Form4_KEIJYOU, "Form4.KEIJYOU"},
        {Form4_JIJYUU, "Form4.JIJYUU"},     {Form4_Doatu, "Form4.Doatu"},
        {Form4_Doatu2, "Form4.Doatu2"},     {Form4_KENTOU, "Form4.KENTOU"},
        {Form7_HAIKIN, "Form7.HAIKIN"},     {Form7_HAIKIN_A, "Form7.HAIKIN_A"},
        {Form7_HAIKIN_B, "Form7.HAIKIN_B"}, {Form7_HAIKIN_E, "Form7.HAIKIN_E"},
        {Form7_HAIKIN_F, "Form7.HAIKIN_F"}, {Form7_HAIKIN_G, "Form7.HAIKIN_G"},
        {Form7_HAIKIN_H, "Form7.HAIKIN_H"}, {Form7_HAIKIN_I, "Form7.HAIKIN_I"},
        {Form7_HAIKIN_J, "Form7.HAIKIN_J"},
    };
    for (const auto& [printer, name] : names) {
        if (printer == s) return name;
    }
    return "?";
}

// The report page whose window is visible, 0 for none; -1 when more than one is.
inline int shownPage(App& app) {
    int shown = 0;
    for (int page = 1; page <= 9; ++page) {
        PreviewPage* w = findPreviewWindow(app, page);
        if (w != nullptr && w->Visible()) shown = shown == 0 ? page : -1;
    }
    return shown;
}

class WatchedSteps : public ReportSteps {
  public:
    explicit WatchedSteps(App& app) : app_(app) {}
    std::vector<std::string> log;
    // Runs instead of the sections when set (a test's own drawing or failure).
    std::function<void(Surface&, const std::vector<SectionPrinter>&)> drawing;

    void HENSUU(App&) override { note("Form3.HENSUU"); }
    void DANMEM_1(App&) override { note("Form4.DANMEM_1"); }
    void hideMemberPage(App&) override { note("Form7.Hide"); }
    void draw(App&, Surface& pri, const std::vector<SectionPrinter>& sections) override {
        for (SectionPrinter s : sections) note(sectionName(s));
        if (drawing) drawing(pri, sections);
    }

  private:
    void note(const std::string& what) {
        log.push_back("p" + std::to_string(shownPage(app_)) + " " + what);
    }
    App& app_;
};

struct PreviewTest : ::testing::Test {
    TestHost host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();
    WatchedSteps* steps = nullptr;

    PreviewTest() {
        auto watched = std::make_unique<WatchedSteps>(app);
        steps = watched.get();
        main.setReportSteps(std::move(watched));
        designStands();
    }

    // The stability result and the stress check on it stand, as the member chapter asks.
    void designStands() {
        app.m.Sigma_max = 100.0f;
        app.m.Flg_Ouryoku = 1;
    }

    void setParts(bool heel, bool toe, bool key) {
        app.m.B_Kakato = heel ? 0.6f : 0.0f;
        app.m.B_Tumasaki = toe ? 0.5f : 0.0f;
        app.m.H0 = key ? 0.3f : 0.0f;
    }
    // Part B's design spacing, which page 4's Next asks for.
    void enterSpacingB() { app.get<Form7>().txt2.setText("250"); }

    PreviewPage& shown() { return previewWindow(app, shownPage(app)); }
    // From the design-conditions page to report page `page` with Next, the way open.
    void walkTo(int page) {
        app.m.Flg_Page = Page_Conditions;
        main.FileImage();
        for (int p = 1; p < page; ++p) shown().Men_Nex.choose();
        ASSERT_EQ(shownPage(app), page);
    }
};

}  // namespace pelzaro
