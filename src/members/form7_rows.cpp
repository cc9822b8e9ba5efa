// Choosing a bar kind on a row: the part's forces, bar data and largest admissible spacing.

#include "forms/host.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "members/page_context.h"
#include "numeric/lenient.h"
#include "numeric/single_store.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
// A number typed on the page, as single precision; one that cannot be stored reads as 0.
float storedValue(const std::string& text) {
    return singleOrZero(Val(text));
}
}  // namespace

bool Form7::runRowProcedure(char letter) {
    const Form7Row& r = row(letter);
    Tyuui();
    if (txt_ka.Text().empty()) {
        withdrawRowDesign(app(), letter);
        giveUpBarKind(r);
        return false;
    }
    if (letter == 'A' || letter == 'B') {
        state().KA_Danmen = storedValue(txt_ka.Text());
        state().Hq_Danmen = storedValue(txt_1.Text());
    }
    TEKKIN();
    bool designed = showRowDesign(
        r, designRow(app(), letter, r.barKind->ListIndex(), storedValue(r.cover->Caption())));
    clearRowResults(r);
    setToolbarButton(app(), 5, false);
    return designed;
}

// The computed spacing shows the whole millimetres of the unrounded value. A row that cannot
// be designed says why, shows no spacing and gives up its bar kind, so that "応力度計算" asks
// for one again rather than checking a section that was never designed.
bool Form7::showRowDesign(const Form7Row& r, const RowDesign& design) {
    if (design.refusal.empty()) {
        r.computedSpacing->setCaption(design.spacingCaption);
        return true;
    }
    r.computedSpacing->setCaption("");
    showError(host(), design.refusal);
    giveUpBarKind(r);
    return false;
}

// A row left without a bar kind cannot be checked, neither now nor when the project is opened
// again: the stress check is withdrawn. While a project is being opened the file's bar kind stays.
void Form7::giveUpBarKind(const Form7Row& r) {
    if (restoringProject) return;
    r.barKind->setText("");
    withdrawStressCheck();
}

}  // namespace pelzaro
