#include "report/report_context.h"
#include "report/sections.h"

namespace pelzaro {

// Not drawn yet.
void Form4_JIJYUU(ReportContext&) {}

}  // namespace pelzaro
