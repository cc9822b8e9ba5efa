#include "members/page_context.h"

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
using Choices = OpeningChoices;

Choices::KaSource kaSourceOf(Form3& f3) {
    if (f3.opt1.Value()) return Choices::KaSource::Given;
    if (f3.opt2.Value()) return Choices::KaSource::Computed;
    return Choices::KaSource::None;
}
}  // namespace

// The pages are read by their options; a page that does not exist has nothing chosen (reading
// it must not create it: creating a page changes the page marker).
OpeningChoices readOpeningChoices(App& app) {
    Choices c;
    if (Form3* f3 = app.find<Form3>()) {
        c.calcCase = f3->calcCase();
        c.kaSource = kaSourceOf(*f3);
    }
    if (Form25* f25 = app.find<Form25>()) c.method = f25->method();
    if (Form23* f23 = app.find<Form23>()) c.shape = f23->shape();
    return c;
}

// Exact comparisons: a part exists as soon as its length or height is not exactly zero.
bool heelExists(App& app) {
    return app.m.B_Kakato != 0.0f;
}
bool toeExists(App& app) {
    return app.m.B_Tumasaki != 0.0f;
}
bool keyExists(App& app) {
    return app.m.H0 != 0.0f;
}

bool rowExists(App& app, char letter) {
    switch (letter) {
        case 'F':
            return heelExists(app);
        case 'G':
            return toeExists(app);
        case 'H':
            return keyExists(app);
        default:
            return true;
    }
}

void focusStabilityCheck(App& app) {
    app.get<Form4>().cmd3.SetFocus();
}

void showDimensionsPage(App& app) {
    Form4& f4 = app.get<Form4>();
    f4.Show();
    f4.txt12.SetFocus();
    f4.txt12.selectAll();
}

// Without a main window (a page driven on its own) there is no toolbar to switch.
void setToolbarButton(App& app, int index, bool enabled) {
    if (MDIForm1* main = app.find<MDIForm1>()) main->Toolbar1.button(index).enabled = enabled;
}

bool projectPathSet(App& app) {
    MDIForm1* main = app.find<MDIForm1>();
    return main != nullptr && !main->CommonDialog1_FileName.empty();
}

}  // namespace pelzaro
