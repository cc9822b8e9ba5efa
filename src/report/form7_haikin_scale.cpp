#include "report/form7_haikin_scale.h"

#include <cmath>

#include "report/report_error.h"

namespace pelzaro {

float figureScale(float H4, float H3) {
    const float height = H4 + H3;
    if (height <= 1.0f) return 0.3f;
    return static_cast<float>(
        finiteOr(static_cast<double>(height) * 3.0 / 10.0, "the figure scale"));
}

float loadScale(float sigmaMax) {
    const double sigma = finiteOr(sigmaMax, "the maximum ground pressure");
    if (sigma <= 100.0) return static_cast<float>(sigma * 10.0 / 100.0);
    // The band (100 (n - 1), 100 n] that holds sigma, n >= 2; every band, those above
    // 1000 kN/m2 included, divides by 500 (n - 1).
    double n = std::ceil(sigma / 100.0);
    if (sigma > 100.0 * n) n += 1.0;
    if (n > 2.0 && sigma <= 100.0 * (n - 1.0)) n -= 1.0;
    return static_cast<float>(quotient(sigma * 10.0, 500.0 * (n - 1.0), "the load scale"));
}

}  // namespace pelzaro
