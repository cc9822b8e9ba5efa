#include "members/form7.h"

namespace pelzaro {

// Ground reaction under the base slab and the loads on its parts.
void Form7::TEKKIN() {}
// Earth-pressure coefficient of the member design.
void Form7::Doatu() {}

}  // namespace pelzaro
