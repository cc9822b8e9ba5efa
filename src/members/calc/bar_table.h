#pragma once
// The 21 bar kinds of the bar-kind lists: single deformed bars and alternating pairs of two
// sizes. A pair takes the mean area and perimeter of its two bars (as tabulated, not
// recomputed) and the cover addition of the larger bar; the addition is half the nominal
// diameter, so cover + addition is the distance from the concrete surface to the bar centre.

#include <optional>
#include <string>

namespace pelzaro::members {

struct BarKind {
    const char* listEntry;    // as the lists hold it: single bars with two leading blanks
    const char* designation;  // as the report prints it
    float areaCm2;            // area of one bar
    float perimeterCm;        // perimeter of one bar
    float coverAdditionMm;    // half the nominal diameter
};

constexpr int kBarKindCount = 21;

// The entry at a list index 0..20; nothing for any other index (no entry chosen).
std::optional<BarKind> barKindAt(int listIndex);

}  // namespace pelzaro::members
