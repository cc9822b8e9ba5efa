#include "members/page_context.h"

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "state/module1.h"

namespace pelzaro {

OpeningChoices readOpeningChoices(App&) {
    return {};
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

void focusStabilityCheck(App&) {}
void showDimensionsPage(App&) {}

// Without a main window (a page driven on its own) there is no toolbar to switch.
void setToolbarButton(App& app, int index, bool enabled) {
    if (MDIForm1* main = app.find<MDIForm1>()) main->Toolbar1.button(index).enabled = enabled;
}

bool projectPathSet(App& app) {
    MDIForm1* main = app.find<MDIForm1>();
    return main != nullptr && !main->CommonDialog1_FileName.empty();
}

}  // namespace pelzaro
