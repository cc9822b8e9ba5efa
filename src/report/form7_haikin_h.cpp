#include "report/form7_haikin_cantilever.h"
#include "report/sections.h"

namespace pelzaro {

void Form7_HAIKIN_H(ReportContext& c) {
    printHeelSection(c);
}

}  // namespace pelzaro
