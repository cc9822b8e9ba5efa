#pragma once
// What the print-range dialog hands to the print: the part of the report, whether the pages
// carry numbers, and the number of the first printed page.

namespace pelzaro {

// The options of the print-range dialog, at most one chosen, and the report pages of each.
enum class PrintRange {
    None,
    Range_General,      // report page 1
    Range_Stability,    // pages 2 to 4
    Range_Section,      // pages 5 to 9
    Range_StabSection,  // pages 2 to 9
    Range_All,          // pages 1 to 9
};

struct PrintRequest {
    PrintRange range = PrintRange::None;
    bool numbered = false;    // the page-number box ticked
    float Page_First = 0.0f;  // the number of the first printed page, single precision
};

// Which report parts a range prints.
inline bool printsGeneral(PrintRange r) {
    return r == PrintRange::Range_General || r == PrintRange::Range_All;
}
inline bool printsStability(PrintRange r) {
    return r == PrintRange::Range_Stability || r == PrintRange::Range_StabSection ||
           r == PrintRange::Range_All;
}
inline bool printsSection(PrintRange r) {
    return r == PrintRange::Range_Section || r == PrintRange::Range_StabSection ||
           r == PrintRange::Range_All;
}
// The report page a range begins with.
inline int firstReportPage(PrintRange r) {
    if (printsGeneral(r)) return 1;
    return printsStability(r) ? 2 : 5;
}

}  // namespace pelzaro
