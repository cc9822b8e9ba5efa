#pragma once
// The share of the design state that the member calculations write.

#include <string>

namespace pelzaro {

struct MemberVars {};

}  // namespace pelzaro
