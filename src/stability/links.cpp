#include "stability/links.h"

#include <string>

#include "forms/app.h"
#include "forms/controls.h"
#include "report/page_choices.h"

namespace pelzaro {

// Every choice comes from the one reader of the page choices, which never creates a page: a
// page's creation would mark it as the current page.
bool caseNormal(App& app) {
    return readPageChoices(app).case_N;
}
bool caseSeismic(App& app) {
    return readPageChoices(app).case_S;
}
bool standardResidential(App& app) {
    return readPageChoices(app).std_T;
}
bool standardRoad(App& app) {
    return readPageChoices(app).std_D;
}
bool kaGiven(App& app) {
    return readPageChoices(app).kaTyped;
}
bool kaComputed(App& app) {
    return readPageChoices(app).kaComputed;
}

SeismicMethod seismicMethod(App& app) {
    return seismicMethodOf(readPageChoices(app));
}

bool shapeOneSided(App& app) {
    return readPageChoices(app).shapeOneSided;
}
bool shapeTwoSided(App& app) {
    return readPageChoices(app).shapeTwoSided;
}

}  // namespace pelzaro
