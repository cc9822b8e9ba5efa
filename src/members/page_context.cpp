#include "members/page_context.h"

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "report/page_choices.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

// The pages are read by the one reader of the page choices, which never creates a page
// (creating a page changes the page marker): a page that does not exist has nothing chosen.
OpeningChoices readOpeningChoices(App& app) {
    const PageChoices p = readPageChoices(app);
    OpeningChoices c;
    c.calcCase = calcCaseOf(p);
    c.method = seismicMethodOf(p);
    c.shape = groundShapeOf(p);
    if (p.kaTyped) {
        c.kaSource = OpeningChoices::KaSource::Given;
    } else if (p.kaComputed) {
        c.kaSource = OpeningChoices::KaSource::Computed;
    }
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

}  // namespace pelzaro
