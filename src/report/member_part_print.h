#pragma once
// What a member-part section prints of its part: what the part's row on the member-design
// page computed (the forces, the required steel, the inputs and page choices they came from),
// as the page shows it, or for a part whose row keeps nothing, what the member calculation
// gives for the state as it stands, with the reason it refuses the part as the page words it;
// then the stress check of those forces at the design spacing typed on the page. Nothing is
// written to the design state and nothing of an earlier, withdrawn run is shown.

#include <string>

#include "members/calc/member_state.h"
#include "report/member_stress_block.h"

namespace pelzaro {

struct PageChoices;
class Surface;
struct ReportContext;

struct MemberPartPrint {
    std::string refusal;  // the reason the calculation refuses the part; empty when designed
    members::DesignedPart design;  // the forces with their inputs and page choices
    StressBlock block;
};

MemberPartPrint memberPartPrint(const ReportContext& c, members::MemberPart part);

// The heading's refusal: the reason in the failing presentation, indented as the block's
// lines, broken over as many lines as the printable width needs.
void printRefusal(ReportContext& c, const std::string& reason);

// The design moment and shear of a slab part fixed at a wall, the absolute differences of the
// downward and the upward effect, then an empty line.
void printMomentAndShear(Surface& pri, const members::SlabPartForces& f);

}  // namespace pelzaro
