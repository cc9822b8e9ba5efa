#include "stability/form4.h"

namespace pelzaro {

// The stability calculation of the wall-dimensions page.
void Form4::DANMEM_1() {}

}  // namespace pelzaro
