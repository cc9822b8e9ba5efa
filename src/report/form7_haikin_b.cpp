#include "report/form7_haikin_stem.h"
#include "report/sections.h"

namespace pelzaro {

void Form7_HAIKIN_B(ReportContext& c) {
    printStemSection(c, members::MemberPart::B);
}

}  // namespace pelzaro
