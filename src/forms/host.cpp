#include "forms/host.h"

#include "report/print_document.h"

namespace pelzaro {

PrinterChoice::PrinterChoice() = default;
PrinterChoice::PrinterChoice(PrinterChoice&&) noexcept = default;
PrinterChoice& PrinterChoice::operator=(PrinterChoice&&) noexcept = default;
PrinterChoice::~PrinterChoice() = default;

PrinterChoice Host::ShowPrinter() {
    PrinterChoice none;
    none.failure = "プリンタがありません。";
    return none;
}

}  // namespace pelzaro
