#pragma once
// What a member-part section prints of its part, taken from the member calculation for the
// state as it stands: the forces (or the reason the calculation refuses the part, as the
// member-design page words it), the required steel with the bar data stored for the part, and
// the stress check at the design spacing typed on the member-design page. Nothing is written
// to the design state and nothing of an earlier run is shown.

#include <string>

#include "members/calc/member_state.h"
#include "report/member_stress_block.h"

namespace pelzaro {

struct PageChoices;
class Surface;
struct ReportContext;

struct MemberPartPrint {
    std::string refusal;  // the reason the calculation refuses the part; empty when designed
    members::MemberOptions options;  // the page choices the calculation was run with
    members::PartForces forces;
    StressBlock block;
};

MemberPartPrint memberPartPrint(const ReportContext& c, members::MemberPart part);

// The heading's refusal: the reason in the failing presentation, indented as the block's
// lines.
void printRefusal(ReportContext& c, const std::string& reason);

// The design moment and shear of a slab part fixed at a wall, the absolute differences of the
// downward and the upward effect, then an empty line.
void printMomentAndShear(Surface& pri, const members::SlabPartForces& f);

}  // namespace pelzaro
