#include "report/form7_haikin_slab.h"
#include "report/sections.h"

namespace pelzaro {

void Form7_HAIKIN_E(ReportContext& c) {
    printSlabSection(c, members::MemberPart::C);
}

}  // namespace pelzaro
