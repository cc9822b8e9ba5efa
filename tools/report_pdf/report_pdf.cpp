#include "report_pdf.h"

#include <QString>

#include "qt/painter_document.h"
#include "report/recording_sink.h"

namespace pelzaro {

namespace {

// Every primitive to the printed sheet and to the sheet's transcript alike.
class TeeSink : public ReportSink {
  public:
    TeeSink(PrintDocument& doc, std::vector<RecordingSink>& sheets) : doc_(doc), sheets_(sheets) {}
    void text(double x, double top, double size, int colour, const std::string& t) override {
        doc_.page().text(x, top, size, colour, t);
        sheets_.back().text(x, top, size, colour, t);
    }
    void segment(double x1, double y1, double x2, double y2, int style, int colour) override {
        doc_.page().segment(x1, y1, x2, y2, style, colour);
        sheets_.back().segment(x1, y1, x2, y2, style, colour);
    }
    void beep() override { sheets_.back().beep(); }

  private:
    PrintDocument& doc_;
    std::vector<RecordingSink>& sheets_;
};

// The painter's document with a transcript of each sheet.
class TranscribedDocument : public PrintDocument {
  public:
    explicit TranscribedDocument(PainterDocument& doc) : doc_(doc), tee_(doc, sheets) {}
    std::vector<RecordingSink> sheets{1};
    ReportSink& page() override { return tee_; }
    void setFontName(const std::string& face) override { doc_.setFontName(face); }
    bool newPage() override {
        if (!doc_.newPage()) return false;
        sheets.emplace_back();
        return true;
    }
    bool endDoc() override { return doc_.endDoc(); }
    std::string error() const override { return doc_.error(); }

  private:
    PainterDocument& doc_;
    TeeSink tee_;
};

}  // namespace

RenderedReport renderReport(App& app, QPagedPaintDevice& device, const QString& name) {
    RenderedReport report;
    PainterDocument pdf(device, name);
    if (!pdf.isOpen()) {
        report.outcome.completed = false;
        report.outcome.reason = pdf.error();
        return report;
    }
    TranscribedDocument document(pdf);
    report.outcome =
        ReportPrint(app, document, PrintRequest{PrintRange::Range_All, true, 1.0f}).run();
    for (const RecordingSink& sheet : document.sheets) report.sheets.push_back(sheet.lines());
    return report;
}

std::string reportTranscript(const RenderedReport& report) {
    std::string out;
    for (size_t i = 0; i < report.sheets.size(); ++i) {
        out += "# page " + std::to_string(i + 1) + "\n";
        for (const std::string& line : report.sheets[i]) out += line + "\n";
    }
    if (!report.outcome.completed) out += "# stopped: " + report.outcome.reason + "\n";
    return out;
}

}  // namespace pelzaro
