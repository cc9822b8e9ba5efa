#include "report/page_fit.h"

#include <algorithm>

namespace pelzaro {

double reportPageFactor(double areaWidthTwips, double areaHeightTwips) {
    // An area with no room at all cannot be fitted: the page prints as laid out, and the
    // printer shows what it can.
    if (!(areaWidthTwips > 0) || !(areaHeightTwips > 0)) return 1.0;
    return std::min(
        {1.0, areaWidthTwips / kReportPageWidthTwips, areaHeightTwips / kReportPageHeightTwips});
}

}  // namespace pelzaro
