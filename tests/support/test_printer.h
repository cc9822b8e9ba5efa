#pragma once
// A printer for headless tests: every sheet of a document is recorded as a transcript, and a
// page break or the end of the document can be made to fail.

#include <memory>
#include <string>
#include <vector>

#include "report/print_document.h"
#include "report/recording_sink.h"

namespace pelzaro {

struct PrintedDocument {
    std::vector<RecordingSink> sheets{1};  // a document starts on its first sheet
    std::string fontName;
    bool ended = false;
    int newPages = 0;
    // Failures to act out: the page break of that number (1 = the first) and the end.
    int failingNewPage = 0;
    bool failingEnd = false;
};

class TestPrintDocument : public PrintDocument {
  public:
    explicit TestPrintDocument(std::shared_ptr<PrintedDocument> record)
        : record_(std::move(record)) {}
    ReportSink& page() override { return record_->sheets.back(); }
    void setFontName(const std::string& face) override { record_->fontName = face; }
    bool newPage() override;
    bool endDoc() override;
    std::string error() const override { return error_; }

  private:
    std::shared_ptr<PrintedDocument> record_;
    std::string error_;
};

}  // namespace pelzaro
