#include "stability/calc/ground_pressure.h"

#include <algorithm>
#include <cmath>

#include "numeric/rounding.h"

namespace pelzaro {

float snappedEccentricity(float e) {
    return (-1e-6f < e && e < 1e-6f) ? 0.0f : e;
}

namespace {
// The middle-third rule compares |e|/B with 1/6, each rounded to single precision.
constexpr float kOneSixth = static_cast<float>(1.0 / 6.0);

float eccentricityRatio(float e, float b) {
    const double ratio = std::fabs(static_cast<double>(e)) / b;
    if (!(ratio < 1.0)) return 1.0f;  // far outside (and not rounded beyond single range)
    return static_cast<float>(ratio);
}
}  // namespace

bool withinMiddleThird(float e, float b) {
    return eccentricityRatio(e, b) <= kOneSixth;
}

bool sketchedAsTrapezoid(float e, float b) {
    return eccentricityRatio(e, b) < kOneSixth;
}

namespace {

using Status = GroundPressure::Status;

// The distribution as computed in double, rounded to single precision when it fits.
GroundPressure stored(double sigmaMax, double sigmaMin, std::optional<double> xn, bool uplift) {
    GroundPressure p;
    p.uplift = uplift;
    if (!fitsSingle(sigmaMax) || !fitsSingle(sigmaMin) || (xn && !fitsSingle(*xn))) {
        p.status = Status::TooLarge;
        return p;
    }
    p.status = Status::Ok;
    p.sigmaMax = static_cast<float>(sigmaMax);
    p.sigmaMin = static_cast<float>(sigmaMin);
    if (xn) p.xn = static_cast<float>(*xn);
    return p;
}

// Whole base in compression: a trapezoid. At exactly the third point the minimum is 0; a
// rounding residue below 0 is no pressure either. With e = 0 the pressure is uniform and has
// no point of zero pressure.
GroundPressure trapezoid(double sumV, double b, double absE) {
    std::optional<double> xn;
    if (absE != 0.0) xn = (1.0 + b / (6.0 * absE)) * b / 2.0;
    return stored((1.0 + 6.0 * absE / b) * sumV / b,
                  std::max(0.0, (1.0 - 6.0 * absE / b) * sumV / b), xn, false);
}

// Part of the base lifts off: a triangle over the contact length 3 (B/2 - |e|).
GroundPressure triangle(double sumV, double b, double absE) {
    return stored(2.0 / (3.0 * (0.5 - absE / b)) * sumV / b, 0.0, 3.0 * (b / 2.0 - absE), true);
}

}  // namespace

GroundPressure groundPressure(float sumV, float b, float e) {
    GroundPressure refused;
    if (!(b > 0.0f)) {
        refused.status = Status::NoBase;
        return refused;
    }
    if (!(sumV > 0.0f)) {
        refused.status = Status::NoLoad;
        return refused;
    }
    const double absE = std::fabs(static_cast<double>(e));
    // At or beyond the edge of the base no pressure under it balances the load.
    const double ratio = absE / b;
    if (ratio >= 0.5 || static_cast<float>(ratio) >= 0.5f) {
        refused.status = Status::OutsideBase;
        return refused;
    }
    if (withinMiddleThird(e, b)) return trapezoid(sumV, b, absE);
    return triangle(sumV, b, absE);
}

}  // namespace pelzaro
