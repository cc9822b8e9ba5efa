#pragma once
// The design conditions and seismic coefficients a file holds, proven as their pages prove
// them: a number field of the design-conditions page must fit single precision and give
// allowable stresses that do (the page refuses "…が大きすぎます" otherwise), and so must the
// horizontal and vertical seismic coefficients of the seismic dialog. A file that the pages
// would refuse is refused by Open, rather than calculated with values of a new project.

#include <optional>
#include <string>

namespace pelzaro {

struct ProjectLines;

struct LineProblem {
    int line;  // the line that the pages refuse
    std::string why;
};

std::optional<LineProblem> conditionsProblem(const ProjectLines& project);

}  // namespace pelzaro
