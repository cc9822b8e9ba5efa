#pragma once
// The share of the design state that the stability calculations write.

#include <string>

namespace pelzaro {

struct StabilityVars {};

}  // namespace pelzaro
