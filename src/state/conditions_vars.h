#pragma once
// The share of the design state that the conditions calculations write.

#include <string>

namespace pelzaro {

struct ConditionsVars {};

}  // namespace pelzaro
