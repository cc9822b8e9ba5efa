#pragma once
// Number patterns of the pages, the report and the project file ("0", "0.0", "0.0#", "0.00#",
// "0.000", "0.0000", "##,###", ...). A pattern rounds the decimal value of the number to its
// last shown decimal with halves away from zero; optional decimals ("#") that come out as
// trailing zeros are dropped; "##,###" groups by three and prints nothing for a value that
// rounds to 0. Never "-0.000", never "inf" or "nan": a non-finite value prints as empty text.

#include <string>

namespace pelzaro {

std::string Format(double value, const std::string& pattern);

}  // namespace pelzaro
