#include "report/form7_haikin_stem.h"
#include "report/sections.h"

namespace pelzaro {

void Form7_HAIKIN_A(ReportContext& c) {
    printStemSection(c, members::MemberPart::A);
}

}  // namespace pelzaro
