#pragma once
// The steel and stress-check block that closes every member-part section: dimensions of the
// section, required tension steel and bar perimeter, the bars chosen against the computed
// spacing, the cracked-section values p, k, j1 and the three checks (concrete compression,
// steel tension, concrete shear) with their verdicts.
//
// Every stress value and verdict comes from the member calculation's own stress check run for
// the design spacing the block prints, so the numbers agree with each other and with the
// member-design page for that spacing. The allowable steel stress is the one the bar-size rule
// gives for this part's bar; the block writes nothing to the design state.
//
// A part without a positive design spacing or without a bar kind is not checked: after the
// required steel it prints one failing line in place of the bar line and everything after it.

#include <string>

#include "members/calc/member_part.h"
#include "members/calc/stress_check.h"

namespace pelzaro {

class Surface;
struct PageChoices;

struct StressBlock {
    members::MemberPart part = members::MemberPart::A;
    float D = 0, d = 0, j = 0;  // cm: thickness, effective depth, lever arm 7/8 d
    float M = 0, S = 0;         // N·cm/m, N/m
    float At = 0, PhiReq = 0;   // cm2/m, cm/m
    float Sigma_sa = 0;         // allowable steel stress for this part's bar, N/mm2
    float Sigma_ca = 0, Tau_a1 = 0, Tau_0a = 0;  // N/mm2
    std::string Tekkin;                          // the bar kind as printed ("D13", "D13,D16")
    float KankakuReq = 0;                        // computed spacing, mm, unrounded
    float spacingMm = 0;                         // design spacing as read from the page
    // Set when the stress check ran for spacingMm; otherwise the failing line below stands in
    // place of the bar line and the checks.
    bool checked = false;
    std::string notCheckedLine;    // empty: the line of a missing spacing or bar kind
    members::StressResult stress;  // the check at spacingMm
};

// The block from the surface's current line; under the standard and case of `choices`.
void printStressBlock(Surface& pri, const PageChoices& choices, const StressBlock& b);

// The line printed in place of the checks of a part that was not checked.
extern const char* const kNoCheckLine;

}  // namespace pelzaro
