#pragma once
// The member calculation as the rows of the member-design page use it: the forces, bar data
// and required spacing of a row, and the working-stress check of a row, each read from and
// written to the design state.

#include <string>

#include "members/calc/stress_check.h"

namespace pelzaro {

class App;

// Forces, bar data and required spacing of part 'A' .. 'H' for the bar kind at `listIndex`
// (outside 0..20: the bar data already in the design state), with the cover of the design
// state.
struct RowDesign {
    std::string refusal;         // the message of a row that cannot be designed; empty if it can
    std::string spacingCaption;  // the computed-spacing label: whole mm, empty for no spacing
};
RowDesign designRow(App& app, char letter, int listIndex);

// The working-stress check of part 'A' .. 'H' at the design spacing, with the part's values
// (p, k, j1, the stresses as shown and the road-guideline shear factors) and the allowable
// steel stress stored.
members::StressResult checkRowStress(App& app, char letter, float spacingMm);

}  // namespace pelzaro
