#pragma once
// The design bar spacing of a member part as the report prints it: the spacing box of the
// member-design page as it reads when the report is drawn (the leading number of its text,
// otherwise 0), in mm. The spacing is an input of the stress check, not a result: the report
// takes it from the page afresh and never writes it back into the design state, so drawing a
// page changes no result of the calculation. A reading beyond single precision counts as 0,
// which the member sections treat as no spacing.

#include "members/calc/member_part.h"

namespace pelzaro {

struct PageChoices;

float designSpacing(const PageChoices& choices, members::MemberPart part);

}  // namespace pelzaro
