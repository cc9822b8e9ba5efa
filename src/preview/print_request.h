#pragma once
// What the print-range dialog hands to the print: the part of the report, whether the pages
// carry numbers, and the number of the first printed page.

namespace pelzaro {

// The ranges of the print-range dialog and the report pages each prints.
enum PrintRange {
    Range_General = 1,      // page 1
    Range_Stability = 2,    // pages 2 to 4
    Range_Section = 3,      // pages 5 to 9
    Range_StabSection = 4,  // pages 2 to 9
    Range_All = 5,          // pages 1 to 9
};

struct PrintRequest {
    PrintRange range = Range_All;
    bool numbered = false;    // the page-number box ticked
    float Page_First = 0.0f;  // the number of the first printed page, single precision
};

// Which report parts a range prints.
inline bool printsGeneral(PrintRange r) {
    return r == Range_General || r == Range_All;
}
inline bool printsStability(PrintRange r) {
    return r == Range_Stability || r == Range_StabSection || r == Range_All;
}
inline bool printsSection(PrintRange r) {
    return r == Range_Section || r == Range_StabSection || r == Range_All;
}

}  // namespace pelzaro
