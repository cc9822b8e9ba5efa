#pragma once
// The comparisons behind the stability verdicts, shared by the wall-dimensions page and the
// report: which criteria the check-method dialog of the case chooses, and whether a stored
// result meets its limit. Every comparison is made between single-precision values, and a
// value at its limit passes. Each caller keeps its own texts and its own order of lines.

#include <optional>

#include "stability/calc/stability_input.h"
#include "state/page_choices.h"

namespace pelzaro {

// A safety factor's limit: 1.5, 1.0, or the single-precision value nearest to 1.2.
enum class FactorLimit { F15, F10, F12 };
float factorLimit(FactorLimit limit);
bool factorPasses(float factor, FactorLimit limit);

// B/n rounded to single precision (n = 2, 3 or 6).
float baseFraction(float B, int n);
// The eccentricity by its size: |e| <= B/n.
bool eccentricityPasses(float e, float B, int n);
// The resultant's position from the front end: d >= B/3.
bool resultantPasses(float d, float B);
// The maximum ground pressure against the allowable bearing capacity: sigma_max <= qa.
bool bearingPasses(float sigmaMax, float qa);

// The overturning criteria that the dialog of the current case chooses (the normal-case
// dialog in the normal case, the seismic one in the seismic case); a combined option sets two.
struct OverturningChecks {
    bool eB6 = false, eB2 = false, eB3 = false;  // |e| <= B/6, B/2, B/3
    bool dB3 = false;                            // d >= B/3
    bool F15 = false, F10 = false, F12 = false;  // F >= 1.5, 1.0, 1.2
};
OverturningChecks overturningChecks(const PageChoices& c);

// The sliding criterion of the case for a factor judged on its own (without a key, or with the
// key): 1.5 in the normal case; 1.0 or 1.2 as the seismic dialog chooses; none otherwise.
std::optional<FactorLimit> slidingLimit(const PageChoices& c);
// With a key under the residential-land standard, the factor without the key needs 1.0 only.
constexpr FactorLimit kSlidingLimitBeforeKey = FactorLimit::F10;

// The loaded-width rule of the cohesion term, from whichever check-method dialog holds one, the
// full width tested first; the rule the calculation applies and the report prints.
LoadedWidth loadedWidthOf(const PageChoices& c);

}  // namespace pelzaro
