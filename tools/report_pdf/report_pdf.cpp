#include "report_pdf.h"

#include <exception>

#include "forms/app.h"
#include "qt/painter_sink.h"
#include "report/page_plan.h"
#include "report/recording_sink.h"
#include "report/report_error.h"
#include "report/surface.h"
#include "stability/form4.h"

namespace pelzaro {

namespace {

// Every primitive to the page and to the transcript alike.
class TeeSink : public ReportSink {
  public:
    TeeSink(ReportSink& a, ReportSink& b) : a_(a), b_(b) {}
    void text(double x, double top, double size, int colour, const std::string& t) override {
        a_.text(x, top, size, colour, t);
        b_.text(x, top, size, colour, t);
    }
    void segment(double x1, double y1, double x2, double y2, int style, int colour) override {
        a_.segment(x1, y1, x2, y2, style, colour);
        b_.segment(x1, y1, x2, y2, style, colour);
    }
    void beep() override {
        a_.beep();
        b_.beep();
    }

  private:
    ReportSink& a_;
    ReportSink& b_;
};

// The stability results that pages 2, 4 and 5 print come from a run made just before.
bool runsStabilityFirst(int page) {
    return page == 2 || page == 4 || page == 5;
}

// Above where a printed page carries its number (y 15600), clear of the flowing text.
constexpr double kNoteY = 15200.0;

void noteStop(Surface& pri, const std::string& why) {
    pri.FontSize(9);
    pri.ForeColor(13);
    pri.CurrentX(0);
    pri.CurrentY(kNoteY);
    pri.Print({"[report_pdf] the page stops here: " + why});
    pri.ForeColor(0);
    pri.FontSize(11);
}

RenderedPage drawPage(App& app, int number, ReportSink& painter) {
    RenderedPage page;
    page.number = number;
    if (runsStabilityFirst(number)) app.get<Form4>().DANMEM_1();
    RecordingSink recording;
    TeeSink both(painter, recording);
    Surface pri(both);
    pri.startPage();
    try {
        for (SectionPrinter section : pageSections(number, wallParts(app.m)))
            drawSections(app, pri, {section});
    } catch (const ReportError& e) {
        page.error = e.what();
    } catch (const std::exception& e) {
        page.error = std::string("unexpected error: ") + e.what();
    }
    page.transcript = recording.lines();
    if (!page.error.empty()) noteStop(pri, page.error);
    return page;
}

}  // namespace

bool renderReport(App& app, PagedPainter& device, std::vector<RenderedPage>& pages) {
    for (int number = 1; number <= kReportPages; ++number) {
        PainterSink* sink = device.beginPage();
        if (sink == nullptr) return false;
        pages.push_back(drawPage(app, number, *sink));
    }
    return true;
}

std::string reportTranscript(const std::vector<RenderedPage>& pages) {
    std::string out;
    for (const RenderedPage& page : pages) {
        out += "# page " + std::to_string(page.number) + "\n";
        for (const std::string& line : page.transcript) out += line + "\n";
        if (!page.error.empty()) out += "# stopped: " + page.error + "\n";
    }
    return out;
}

}  // namespace pelzaro
