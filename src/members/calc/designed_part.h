#pragma once
// What the member calculation computed for one member part: the forces, the bar data and
// required spacing, and the inputs and page choices they were computed from. A row of the
// member-design page keeps it when it designs its part; the report prints it, so that a
// section shows the numbers the page shows and its formula lines the inputs those numbers came
// from, even where the design state has moved on without withdrawing the row (the coefficient
// computed again, unrounded, when the page is opened once more).

#include <string>

#include "members/calc/member_part.h"
#include "members/calc/required_spacing.h"
#include "members/calc/slab_forces.h"
#include "members/calc/wall_forces.h"

namespace pelzaro::members {

// The forces of one part (step 5 of a row), or why they cannot be computed.
struct PartForces {
    MemberPart part = MemberPart::A;
    ForceRefusal refusal = ForceRefusal::None;
    WallForcesA wallA;    // part A
    WallForcesB wallB;    // part B
    SlabPartForces slab;  // parts C to H
    float M = 0, S = 0;   // N·cm/m, N/m
    bool ok() const { return refusal == ForceRefusal::None; }
};

struct DesignedPart {
    MemberOptions options;  // the page choices the part was computed with
    WallInput wall;         // the inputs of the wall forces (parts A and B)
    SlabInput slab;         // the inputs of the slab forces (parts C to H)
    PartForces forces;
    SpacingResult spacing;  // the required spacing; empty when the forces were refused
    std::string Tekkin;     // the bar kind as the part holds it after the row
    float Tau_0a = 0;       // allowable bond stress the bar perimeter was required with, N/mm2

    // Designed: nothing refused (a part without forces needs no spacing and is no refusal).
    bool designed() const {
        return forces.ok() && (spacing.ok() || spacing.status == SpacingStatus::NoForces);
    }
};

}  // namespace pelzaro::members
