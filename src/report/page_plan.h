#pragma once
// The nine report pages in their fixed order and the section printers that draw each. Pages 8
// and 9 share the heel, toe and shear-key sections by which of those parts the wall has.

#include <vector>

#include "report/report_page.h"

namespace pelzaro {

struct WallParts {
    bool heel = false, toe = false, key = false;  // B_Kakato, B_Tumasaki, H0 not 0
};
WallParts wallParts(const Module1& m);
// Page 9 exists only for a wall with at least two of heel, toe and shear key.
bool hasPage9(WallParts parts);

// The sections of report page 1 .. 9, in drawing order (page 9 may have none).
std::vector<SectionPrinter> pageSections(int page, WallParts parts);

}  // namespace pelzaro
