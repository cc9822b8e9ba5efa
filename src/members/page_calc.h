#pragma once
// The member calculation as the rows of the member-design page use it, addressed by the row's
// letter 'A' .. 'H': the forces, bar data and required spacing of a row, and its
// working-stress check, each read from and written to the design state with the options of
// the pages.

#include <string>

#include "members/calc/member_part.h"
#include "members/calc/part_fields.h"
#include "members/calc/stress_check.h"

namespace pelzaro {

class App;

members::MemberPart partOf(char letter);
// The design-state values of a row's part: `app.m.*fieldsOf('A').Kaburi`.
const members::PartFields& fieldsOf(char letter);

// Forces, bar data and required spacing for the bar kind at `listIndex` (outside 0..20: the
// bar data already in the design state) and the cover in mm.
struct RowDesign {
    std::string refusal;         // why the row cannot be designed; empty when it can
    std::string spacingCaption;  // the computed-spacing label: whole mm, empty for no spacing
};
RowDesign designRow(App& app, char letter, int listIndex, float coverMm);

// The row's results are withdrawn: what it computed is no longer kept for the report.
void withdrawRowDesign(App& app, char letter);

// The working-stress check at the design spacing, with the part's values stored.
members::StressResult checkRowStress(App& app, char letter, float spacingMm);

}  // namespace pelzaro
