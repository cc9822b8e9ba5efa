// The print of the report: the printer dialog, then the range on the chosen printer.

#include "forms/host.h"
#include "frame/mdiform1.h"
#include "preview/report_print.h"
#include "report/print_document.h"

namespace pelzaro {

namespace {
int firstPageOf(PrintRange range) {
    if (printsGeneral(range)) return 1;
    return printsStability(range) ? 2 : 5;
}
}  // namespace

void MDIForm1::FilePrint(const PrintRequest& request) {
    if (request.range == PrintRange::None) return;  // no part of the report chosen
    PrinterChoice choice = host().ShowPrinter();
    if (!choice.document) {
        // Cancel prints nothing and says nothing; a printer that cannot start is a failure.
        if (choice.failure.empty()) return;
        PrintOutcome outcome;
        outcome.completed = false;
        outcome.stoppedAtPage = firstPageOf(request.range);
        outcome.reason = choice.failure;
        showError(host(), printStoppedMessage(outcome));
        return;
    }
    const PrintOutcome outcome = ReportPrint(app(), *choice.document, request).run();
    if (!outcome.completed) showError(host(), printStoppedMessage(outcome));
}

}  // namespace pelzaro
