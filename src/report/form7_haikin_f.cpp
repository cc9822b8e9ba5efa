#include "report/form7_haikin_slab.h"
#include "report/sections.h"

namespace pelzaro {

void Form7_HAIKIN_F(ReportContext& c) {
    printSlabSection(c, members::MemberPart::D);
}

}  // namespace pelzaro
