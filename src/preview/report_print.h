#pragma once
// One print of the report on a printer document: the parts of the chosen range page by page
// along the page plan, the sections drawing exactly as in the preview; a page number at the
// foot of each page when wanted; a page break between pages and none after the last.
//
// A failure (a printer step refused, a report error of a section) stops the print where it is;
// what was printed so far is still ended as a document, and the outcome names the report page,
// or the output where that cannot hold the document (a full disk): no page is then to blame.

#include <string>

#include "preview/print_request.h"
#include "report/surface.h"

namespace pelzaro {

class App;
class PrintDocument;

struct PrintOutcome {
    bool completed = true;
    int stoppedAtPage = 0;    // the report page (1 .. 9) a failure stopped on
    std::string reason;       // why it stopped
    bool outputLost = false;  // the output cannot hold the document, whatever the page
};

class ReportPrint {
  public:
    ReportPrint(App& app, PrintDocument& document, const PrintRequest& request);
    // The printer's font (size 11, the report face), the parts of the range, the end.
    PrintOutcome run();

    // The three parts of the report: page 1; pages 2 to 4; pages 5 to 8 and, for a wall with
    // at least two of heel, toe and shear key, page 9.
    void Pri_Ippan();
    void Pri_Keisan();
    void Pri_Haikin();

  private:
    class Sink;  // the document's current sheet, with the beep to the host
    void printPage(int reportPage, bool recalculateStability = false);
    void numberPage();
    void breakIfPending(int reportPage);

    App& app_;
    PrintDocument& document_;
    Surface* pri_ = nullptr;  // the printer's surface while run() runs
    Sink* sink_ = nullptr;    // what it draws on
    PrintRequest request_;
    int printed_ = 0;  // pages of the range printed so far: k of the page number
    int currentPage_ = 0;
};

// The message that tells the user where and why a print stopped.
std::string printStoppedMessage(const PrintOutcome& outcome);

}  // namespace pelzaro
