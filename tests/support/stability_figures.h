#pragma once
// The figures of the stability check as the user meets them in three places: the result rows
// of the wall-dimensions page, page 4 of the report as the preview draws it (after the
// recalculations the preview runs on its way there), and the result lines of a saved project
// file. An engineer signs the report, so the three must agree.

#include <ostream>
#include <string>

namespace pelzaro {

class App;

struct StabilityFigures {
    std::string e;            // eccentricity, without its sign
    std::string overturning;  // overturning safety factor
    std::string sigmaMax;     // largest ground pressure, kN/m2
    std::string sliding;      // sliding safety factor without a shear key
    bool operator==(const StabilityFigures& o) const {
        return e == o.e && overturning == o.overturning && sigmaMax == o.sigmaMax &&
               sliding == o.sliding;
    }
};

std::ostream& operator<<(std::ostream& out, const StabilityFigures& f);

// The result rows of the wall-dimensions page.
StabilityFigures figuresOnThePage(App& app);
// Page 4 of the report: the preview is opened on the page the user is on, turned to page 4
// and closed again.
StabilityFigures figuresInTheReport(App& app);
// The result lines of a project file's bytes.
StabilityFigures figuresInTheFile(const std::string& bytes);

}  // namespace pelzaro
