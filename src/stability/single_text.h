#pragma once
// The plain text of a single-precision value, as the page shows a value it keeps: up to
// seven significant digits, no leading blank, no trailing zeros ("10", "12.5"). A value
// that is not finite shows as empty text.

#include <string>

namespace pelzaro {

std::string singleText(float value);
// The lenient number of a field stored in single precision; a number beyond single
// precision reads as 0, as no such dimension or load can be meant.
float readSingle(const std::string& text);

}  // namespace pelzaro
