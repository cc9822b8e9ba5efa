#pragma once
// The base-slab sections between the walls: part C at mid-span, D at the front wall and E at
// the rear wall, the slab as a beam fixed at both walls under the load W1 and the ground
// reaction (a trapezoid between V2 and V4, or uniform when the resultant is centred), then the
// steel and stress-check block.

#include "members/calc/member_part.h"

namespace pelzaro {

struct ReportContext;

void printSlabSection(ReportContext& c, members::MemberPart part);

}  // namespace pelzaro
