#include "report/report_page.h"

#include "forms/app.h"

namespace pelzaro {

void drawSections(App& app, Surface& pri, std::initializer_list<SectionPrinter> sections) {
    drawSections(app, pri, std::vector<SectionPrinter>(sections));
}

void drawSections(App& app, Surface& pri, const std::vector<SectionPrinter>& sections) {
    const PageChoices choices = readPageChoices(app);
    ReportContext context{pri, app.m, choices, app.m};
    for (SectionPrinter section : sections) section(context);
}

}  // namespace pelzaro
