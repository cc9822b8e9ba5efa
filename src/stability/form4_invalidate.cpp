// Withdrawing the stability results that no longer match the inputs.

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
void hideRows(Form4& f) {
    for (Label* l : {&f.lbl46, &f.lbl47, &f.lbl48}) l->setCaption("");
    for (Label* l : {&f.lbl46, &f.lbl47, &f.lbl48, &f.lbl52, &f.lbl53, &f.lbl54, &f.lbl56,
                     &f.lbl57, &f.lbl58, &f.lbl59, &f.lbl60, &f.lbl61, &f.lbl62, &f.lbl64,
                     &f.lbl65, &f.lbl66, &f.lbl67, &f.lbl68, &f.lbl69, &f.lbl70}) {
        l->setVisible(false);
    }
    f.markDisplayStale();
}
}  // namespace

void Form4::Hihyouji_1() {
    hideRows(*this);
    state().Sigma_max = 0.0f;
}

// A project saved now would reopen with the stability calculated again and so with other rows
// than the page shows: it is offered for saving only once both checks have been run again.
void Form4::withdrawStabilityByEdit() {
    Hihyouji_1();
    state().Flg_Ouryoku = 0;
}

// The rows go, the marker that the calculation has run stays (the shear-key choice).
void Form4::Hihyouji_3() {
    hideRows(*this);
}

// Printing needs a finished calculation; saving follows the main window's rule by itself.
void Form4::Hihyouji_2() {
    disableResultButtons(app());
}

void disableResultButtons(App& app) {
    Toolbar& bar = app.get<MDIForm1>().Toolbar1;
    for (int index : {5, 6}) bar.button(index).enabled = false;
}

}  // namespace pelzaro
