#pragma once
// Messages of the design conditions for inputs that the calculations cannot use, in the style
// of the page's input checks.

#include <string>

#include "conditions/earth_pressure.h"

namespace pelzaro {

// A value beyond single precision typed into the field of that name (Form3 or Form25).
std::string tooLargeMessage(const std::string& fieldName);

// Why the earth-pressure coefficient or the wall friction angle was not computed.
std::string refusalMessage(CalcRefusal refusal);

}  // namespace pelzaro
