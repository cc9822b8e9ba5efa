#include "support/report_support.h"

#include "forms/app.h"
#include "report/report_error.h"

namespace pelzaro {

DrawnPage drawPage(App& app, std::initializer_list<SectionPrinter> sections) {
    RecordingSink sink;
    Surface pri(sink);
    pri.startPage();
    DrawnPage page;
    try {
        drawSections(app, pri, sections);
    } catch (const ReportError& e) {
        page.error = e.what();
    }
    page.lines = sink.lines();
    page.texts = sink.texts();
    page.beeps = sink.beeps();
    page.fontSize = pri.fontSize();
    page.foreColor = pri.foreColor();
    page.drawStyle = pri.drawStyle();
    return page;
}

std::string badNumberIn(const std::string& text) {
    for (const char* bad : {"inf", "nan", "-0.000"})
        if (text.find(bad) != std::string::npos) return bad;
    return "";
}

}  // namespace pelzaro
