#pragma once
// One printer document as the print of the report uses it: the current sheet to draw on (in
// twips of the printable area), the report face, the page break and the end. A printer that
// refuses a step says so, and why, instead of ending the program.

#include <string>

#include "report/report_sink.h"

namespace pelzaro {

class PrintDocument {
  public:
    virtual ~PrintDocument() = default;
    // Where the current sheet is drawn.
    virtual ReportSink& page() = 0;
    // The face of every text printed afterwards ("ＭＳ 明朝").
    virtual void setFontName(const std::string& face) = 0;
    // Starts the next sheet; false when the printer refused it (see error()).
    virtual bool newPage() = 0;
    // Ends the document; false when it could not be completed (see error()).
    virtual bool endDoc() = 0;
    virtual std::string error() const = 0;
    // Whether the failure is the output's as a whole (a file that cannot hold the document):
    // then no page of the report is to blame.
    virtual bool outputLost() const { return false; }
};

}  // namespace pelzaro
