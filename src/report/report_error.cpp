#include "report/report_error.h"

#include <cmath>

namespace pelzaro {

double finiteOr(double v, const std::string& what) {
    if (!std::isfinite(v)) throw ReportError(what + " cannot be computed");
    return v;
}

double quotient(double numerator, double denominator, const std::string& what) {
    if (denominator == 0.0 || !std::isfinite(denominator))
        throw ReportError(what + ": division by zero");
    return finiteOr(numerator / denominator, what);
}

}  // namespace pelzaro
