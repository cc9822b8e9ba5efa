#pragma once
// The comparison of what the pages show with what the report printed. Each returns the
// disagreements it finds, one sentence each naming the page's value and the printed line;
// an empty list means the report prints what the pages show.

#include <string>
#include <vector>

#include "printed_report.h"
#include "shown_values.h"

namespace pelzaro {

class App;

using Disagreements = std::vector<std::string>;

// Page 1 against the design-conditions page: site, standard, case, strengths, unit weights,
// soil kinds, friction angles, cohesion, bearing capacity, μ, both δ and a typed KA.
Disagreements conditionsDisagreements(App& app, const PrintedSheet& page1);

// Page 4 against the result rows of the wall-dimensions page.
Disagreements stabilityDisagreements(const ShownWallResults& shown, const PrintedSheet& page4);

// The member chapter against the member page: every row that the page shows with a bar kind
// is printed with that bar kind, its computed and design spacing, its stresses and verdict,
// and a chapter is printed only while every row shows its results.
Disagreements memberDisagreements(const std::vector<ShownMemberRow>& rows,
                                  const PrintedReport& report);

// The number a text box holds as the program reads it: the leading number, else 0.
double leadingNumber(const std::string& text);

}  // namespace pelzaro
