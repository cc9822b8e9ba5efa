// The print of the report: the printer dialog, then the range on the chosen printer.

#include "forms/host.h"
#include "frame/mdiform1.h"
#include "preview/member_chapter.h"
#include "preview/report_print.h"
#include "report/print_document.h"

namespace pelzaro {

void MDIForm1::FilePrint(const PrintRequest& request) {
    if (request.range == PrintRange::None) return;  // no part of the report chosen
    // A range is printed whole or not at all: refused before the printer is even chosen.
    if (printsSection(request.range) && !memberChapterReady(app())) return;
    PrinterChoice choice = host().ShowPrinter();
    // Cancel prints nothing and says nothing; a printer that cannot start is a failure.
    if (!choice.document && choice.failure.empty()) return;
    PrintOutcome outcome;
    if (choice.document) {
        outcome = ReportPrint(app(), *choice.document, request).run();
    } else {
        outcome.completed = false;
        outcome.stoppedAtPage = firstReportPage(request.range);
        outcome.reason = choice.failure;
    }
    if (!outcome.completed) showError(host(), printStoppedMessage(outcome));
}

}  // namespace pelzaro
