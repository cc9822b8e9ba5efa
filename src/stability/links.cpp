#include "stability/links.h"

#include <string>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "members/form7.h"
#include "stability/form23.h"

namespace pelzaro {

namespace {
bool optionSet(const Window& w, const std::string& name) {
    const Control* c = w.find(name);
    return c != nullptr && c->kind() == ControlKind::OptionButton &&
           static_cast<const OptionButton*>(c)->Value();
}
// A page that does not exist yet has nothing chosen; reading it must not create it, as its
// creation would mark it as the current page.
bool conditionsOption(App& app, const char* name) {
    const Form3* page = app.find<Form3>();
    return page != nullptr && optionSet(*page, name);
}
}  // namespace

bool caseNormal(App& app) { return conditionsOption(app, "opt3"); }
bool caseSeismic(App& app) { return conditionsOption(app, "opt4"); }
bool standardResidential(App& app) { return conditionsOption(app, "opt_T"); }
bool standardRoad(App& app) { return conditionsOption(app, "opt_D"); }
bool kaGiven(App& app) { return conditionsOption(app, "opt1"); }
bool kaComputed(App& app) { return conditionsOption(app, "opt2"); }

SeismicMethod seismicMethod(App& app) {
    const Form25* dialog = app.find<Form25>();
    if (dialog == nullptr) return SeismicMethod::None;
    const Form25& d = *dialog;
    if (optionSet(d, "opt_K1")) return SeismicMethod::K1;
    if (optionSet(d, "opt_K2")) return SeismicMethod::K2;
    if (optionSet(d, "opt_D1")) return SeismicMethod::D1;
    return SeismicMethod::None;
}

bool shapeOneSided(App& app) {
    const Form23* page = app.find<Form23>();
    return page != nullptr && page->opt1.Value();
}
bool shapeTwoSided(App& app) {
    const Form23* page = app.find<Form23>();
    return page != nullptr && page->opt2.Value();
}

bool memberStressShown(App& app) {
    const Form7* page = app.find<Form7>();
    return page != nullptr && !page->lbl6.Caption().empty();
}

}  // namespace pelzaro
