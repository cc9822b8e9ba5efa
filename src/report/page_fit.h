#pragma once
// How a page of the report goes onto a printer's sheet.
//
// The report is laid out on the printable area of an A4 portrait sheet with the print dialog's
// default margins of 10 points: 11500 x 16440 twips from the area's top-left corner, the
// sections and the page number at the foot included. (A line may take kPrintableWidthTwips,
// which reaches 100 twips into that sheet's right margin and stays on the sheet.)
//
// A printable area at least that large takes the page as it is, from its corner. A smaller one
// (a smaller sheet, wider margins) takes the whole page shrunk by one factor, the same across
// and down, from the same corner: every text, stroke and page number keeps its place in
// proportion and stays inside the area. A page is never enlarged.

namespace pelzaro {

inline constexpr double kReportPageWidthTwips = 11500;
inline constexpr double kReportPageHeightTwips = 16440;

// The factor of a report page on a printable area of the given size in twips: 1 where the area
// holds the page, else the largest that fits it into the area.
double reportPageFactor(double areaWidthTwips, double areaHeightTwips);

}  // namespace pelzaro
