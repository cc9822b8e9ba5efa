#pragma once
// A value of a section that cannot be computed (a zero divisor, an overflow, a result that is
// not finite) ends the section with a ReportError. What was drawn before stays on the surface;
// the page's owner catches the error and tells the user why the page stops there.

#include <stdexcept>
#include <string>

namespace pelzaro {

class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// v itself, or a ReportError naming `what` when v is not finite.
double finiteOr(double v, const std::string& what);
// numerator / denominator, or a ReportError naming `what` when the divisor is 0 or the
// quotient is not finite.
double quotient(double numerator, double denominator, const std::string& what);

}  // namespace pelzaro
