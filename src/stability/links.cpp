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
// A page that does not exist yet has nothing chosen; reading it must not create it, as its
// creation would mark it as the current page.
bool conditionsOption(App& app, OptionButton Form3::*option) {
    const Form3* page = app.find<Form3>();
    return page != nullptr && (page->*option).Value();
}
}  // namespace

bool caseNormal(App& app) {
    return conditionsOption(app, &Form3::opt3);
}
bool caseSeismic(App& app) {
    return conditionsOption(app, &Form3::opt4);
}
bool standardResidential(App& app) {
    return conditionsOption(app, &Form3::opt_T);
}
bool standardRoad(App& app) {
    return conditionsOption(app, &Form3::opt_D);
}
bool kaGiven(App& app) {
    return conditionsOption(app, &Form3::opt1);
}
bool kaComputed(App& app) {
    return conditionsOption(app, &Form3::opt2);
}

SeismicMethod seismicMethod(App& app) {
    const Form25* dialog = app.find<Form25>();
    return dialog ? dialog->method() : SeismicMethod::None;
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
