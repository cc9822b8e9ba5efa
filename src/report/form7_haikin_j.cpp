#include "report/form7_haikin_cantilever.h"
#include "report/sections.h"

namespace pelzaro {

void Form7_HAIKIN_J(ReportContext& c) {
    printKeySection(c);
}

}  // namespace pelzaro
