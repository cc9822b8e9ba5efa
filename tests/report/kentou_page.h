#pragma once
// Report page 4 drawn on its own, from a design state and page choices set by the test. The
// base state is a one-sided wall under the residential-land standard, normal case, no key,
// overturning judged by F >= 1.5 and e <= B/6, no cohesion, every check passing.

#include <string>
#include <vector>

#include "support/report_support.h"

namespace pelzaro {

// A transcript, or part of one; `+` joins two parts.
using Lines = std::vector<std::string>;
inline Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct KentouPage : SectionBench {
    KentouPage();
    // The text events whose text contains `part`.
    std::vector<std::string> textsWith(const std::string& part);
};

// The lines from the first that contains `from` up to, not including, the first after it that
// contains `to` (to the end when `to` is empty or absent).
std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to);
// Every run of colour-13 texts is followed at once by exactly one beep, and no beep stands
// anywhere else. Returns the number of failing blocks, or -1 when the rule is broken.
int failingBlocks(const std::vector<std::string>& lines);
// True when no text shows "inf", "nan" or "-0.000".
bool noBadNumbers(const std::vector<std::string>& lines);
// A transcript reduced to what a check prints: each text as its colour and its words, each
// beep as "BEEP"; segments and positions left out.
std::vector<std::string> shown(const std::vector<std::string>& lines);

}  // namespace pelzaro
