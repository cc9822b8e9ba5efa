#pragma once
// The entries of the bar-kind lists of the member-design page, in list order: single bars
// with two leading blanks, alternating pairs of two sizes without.

namespace pelzaro {

constexpr int kBarKindCount = 21;
constexpr const char* kBarKindEntries[kBarKindCount] = {
    "  D10",   "D10,D13", "  D13",   "D13,D16", "  D16",   "D16,D19", "  D19",
    "D19,D22", "  D22",   "D22,D25", "  D25",   "D25,D29", "  D29",   "D29,D32",
    "  D32",   "D32,D35", "  D35",   "D35,D38", "  D38",   "D38,D41", "  D41"};

}  // namespace pelzaro
