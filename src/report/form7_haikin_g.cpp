#include "report/form7_haikin_slab.h"
#include "report/sections.h"

namespace pelzaro {

void Form7_HAIKIN_G(ReportContext& c) {
    printSlabSection(c, members::MemberPart::E);
}

}  // namespace pelzaro
