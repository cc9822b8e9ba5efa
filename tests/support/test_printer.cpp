#include "support/test_printer.h"

namespace pelzaro {

bool TestPrintDocument::newPage() {
    ++record_->newPages;
    if (record_->newPages == record_->failingNewPage) {
        error_ = "paper jam";
        return false;
    }
    record_->sheets.emplace_back();
    return true;
}

bool TestPrintDocument::endDoc() {
    record_->ended = true;
    if (record_->failingEnd) {
        error_ = "disk full";
        return false;
    }
    return true;
}

}  // namespace pelzaro
