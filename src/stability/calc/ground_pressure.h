#pragma once
// Ground pressure under a rigid base from the total vertical force, the base width and the
// eccentricity of the resultant (straight-line distribution, no tension).

#include <optional>

namespace pelzaro {

struct GroundPressure {
    enum class Status {
        Ok,
        NoLoad,       // the total vertical force is 0 or negative
        NoBase,       // the base width is 0 or negative
        OutsideBase,  // |e| >= B/2
        TooLarge,     // a pressure beyond single precision
    };
    Status status = Status::NoLoad;
    bool uplift = false;    // |e|/B > 1/6: part of the base lifts off (triangle)
    float sigmaMax = 0.0f;  // kN/m2, at the front end for e > 0, at the rear end for e < 0
    float sigmaMin = 0.0f;  // kN/m2, 0 with uplift
    // Distance from the maximum-pressure edge to zero pressure; none for e = 0 (uniform).
    std::optional<float> xn;
};

// The eccentricity as stored: within a micrometre of the middle (-1e-6 < e < 1e-6, bounds in
// single precision, both strict) the resultant counts as central and e is 0.
float snappedEccentricity(float e);

// Both rules below read |e|/B computed in double and rounded to single precision; a ratio of 1
// or more (the resultant far outside the base, a ratio beyond single precision, or B = 0) reads
// as 1.
// True when the resultant lies in the middle third (|e|/B <= 1/6, both in single precision):
// the whole base carries pressure. The one rule of the stability calculation, the member
// calculation and the report's formulas.
bool withinMiddleThird(float e, float b);
// True when a sketch of the ground reaction shows the trapezoid (|e|/B < 1/6); from exactly 1/6
// on it shows the triangle. The one rule of the key dialogs' sketches and the report's.
bool sketchedAsTrapezoid(float e, float b);

// sumV in kN/m, b in m (> 0), e in m as stored (already snapped to 0 near the middle).
GroundPressure groundPressure(float sumV, float b, float e);

}  // namespace pelzaro
