#include "preview/report_steps.h"

#include "conditions/form3.h"
#include "members/form7.h"
#include "report/page_plan.h"
#include "stability/form4.h"

namespace pelzaro {

void ReportSteps::HENSUU(App& app) {
    app.get<Form3>().HENSUU();
}

void ReportSteps::DANMEM_1(App& app) {
    app.get<Form4>().DANMEM_1();
}

void ReportSteps::hideMemberPage(App& app) {
    app.get<Form7>().Hide();
}

void ReportSteps::draw(App& app, Surface& pri, const std::vector<SectionPrinter>& sections) {
    drawSections(app, pri, sections);
}

void ReportSteps::drawPage(App& app, Surface& pri, int reportPage) {
    draw(app, pri, pageSections(reportPage, wallParts(app.m)));
}

}  // namespace pelzaro
