#pragma once
// A printer document on a printer or a PDF writer: the report's sheets drawn with the painter
// of the report, one after another. The first sheet is begun when the document opens; a device
// that cannot be opened (no printer, a file that cannot be written) leaves the document closed
// with the reason in error().

#include <QString>
#include <memory>
#include <string>

#include "qt/painter_sink.h"
#include "report/print_document.h"

class QPagedPaintDevice;

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

    ReportSink& page() override;
    // The painter draws every sheet in the report face already.
    void setFontName(const std::string&) override {}
    bool newPage() override;
    bool endDoc() override;
    std::string error() const override { return error_; }

  private:
    void open();

    std::unique_ptr<QPagedPaintDevice> owned_;
    QPagedPaintDevice& device_;
    QString name_;
    std::unique_ptr<PagedPainter> painter_;
    PainterSink* sink_ = nullptr;
    std::string error_;
    bool ended_ = false;
};

}  // namespace pelzaro
