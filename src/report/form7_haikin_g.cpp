#include "report/report_context.h"
#include "report/sections.h"

namespace pelzaro {

// Not drawn yet.
void Form7_HAIKIN_G(ReportContext&) {}

}  // namespace pelzaro
