#pragma once
// Rounding and unit rules shared by the calculations, the pages and the report.

#include <cmath>

namespace pelzaro {

// Half-up rounding of report values: whole part (toward minus infinity) of v * 10^n + 0.5,
// divided by 10^n, in double precision. A half goes toward plus infinity for negatives too.
inline double Marume(double v, int n) {
    double scale = std::pow(10.0, n);
    return std::floor(v * scale + 0.5) / scale;
}

// Every angle conversion of the program uses 3.14159 for pi; the printed formulas do too.
constexpr double kPi = 3.14159;
inline double degToRad(double degrees) { return degrees * kPi / 180.0; }
inline double radToDeg(double radians) { return radians * 180.0 / kPi; }

// The design state holds single-precision values; a value computed in double is rounded when
// it is stored. A value beyond single precision (or not finite) cannot be stored.
inline bool fitsSingle(double v) {
    return std::isfinite(v) && std::fabs(v) <= 3.4028234663852886e38;
}

}  // namespace pelzaro
