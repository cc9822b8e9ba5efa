#pragma once
// The outcome of a stability run: done, or the reason the inputs give no defined result.

#include <string>

namespace pelzaro {

enum class StabilityOutcome {
    Ok,
    NoWallHeight,          // a wall has no height above the top of the base slab
    NoBaseWidth,           // the base width B is 0 or negative
    HeelWithoutThickness,  // a heel length with no slab area
    ToeWithoutThickness,   // a toe length with no slab area
    NoOverturningMoment,   // one-sided shape without any horizontal force moment (Mo = 0)
    NoVerticalLoad,        // the total vertical force is 0 or negative
    ResultantOutsideBase,  // |e| >= B/2: no ground pressure can carry the wall
    NoHorizontalForce,     // nothing pushes the wall (SumH = 0): no sliding factor
    NoContactLength,       // the ground pressure under the key has no contact length
    TooLarge,              // a value does not fit single precision
};

// The message of the error box for a refused run, in the words of the input checks.
std::string stabilityRefusalMessage(StabilityOutcome outcome);

}  // namespace pelzaro
