#pragma once
// A printer document on a printer or a PDF writer: the report's sheets drawn with the painter
// of the report, one after another, each fitted whole into the printable area of the sheet and
// margins the device has (report/page_fit.h). The first sheet is begun when the document opens;
// a device that cannot be opened (no printer, a file that cannot be written) leaves the
// document closed with the reason in error().

#include <QString>
#include <memory>
#include <string>

#include "forms/host.h"
#include "qt/painter_sink.h"
#include "report/print_document.h"

class QPagedPaintDevice;
class QPrinter;

namespace pelzaro {

class PainterDocument : public PrintDocument {
  public:
    // Draws on `device`, which outlives the document; `name` says in messages what the device
    // is (a printer's name or a file).
    PainterDocument(QPagedPaintDevice& device, QString name);
    // Draws on a device the document owns (the printer the dialog chose).
    PainterDocument(std::unique_ptr<QPagedPaintDevice> device, QString name);
    ~PainterDocument() override;

    bool isOpen() const { return sink_ != nullptr; }
    // A print into this file: its end also makes sure the whole document reached the file, and
    // a page the file cannot take is the file's failure, not the page's.
    void writesInto(QString file) { file_ = std::move(file); }
    // The factor every page is drawn at: 1 where the printable area holds the report's page.
    double pageFactor() const { return factor_; }

    ReportSink& page() override;
    // The painter draws every sheet in the report face already.
    void setFontName(const std::string&) override {}
    bool newPage() override;
    bool endDoc() override;
    std::string error() const override { return error_; }
    bool outputLost() const override { return outputLost_; }

  private:
    void open();
    bool loseOutput();

    std::unique_ptr<QPagedPaintDevice> owned_;
    QPagedPaintDevice& device_;
    QString name_;
    std::unique_ptr<PagedPainter> painter_;
    PainterSink* sink_ = nullptr;
    double factor_ = 1.0;
    std::string error_;
    bool outputLost_ = false;
    bool ended_ = false;
    QString file_;
};

// The document on the printer that the printer dialog chose, or the reason it cannot be
// opened. The report is laid out on A4 portrait: it prints on portrait sheets whatever
// orientation the dialog returned, so that no page is cut at the foot with its number.
PrinterChoice documentOnPrinter(std::unique_ptr<QPrinter> printer);

}  // namespace pelzaro
