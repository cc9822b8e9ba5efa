#pragma once
// The one lenient number reader for every number typed on a page or read from a project file:
// leading blanks, an optional sign, digits with at most one full stop and an optional
// exponent, up to the first other character; anything else reads as 0. It never fails and
// never depends on the locale.

#include <string>

namespace pelzaro {

double Val(const std::string& text);

}  // namespace pelzaro
