#pragma once
// The conventions every section printer shares: text and strokes placed at given positions,
// numbers through their patterns, right alignment of table cells by magnitude, the
// failing-check presentation, the case heading and the blank-line runs. Marume itself lives in
// numeric/rounding.h.

#include <initializer_list>
#include <string>
#include <vector>

#include "numeric/rounding.h"

namespace pelzaro {

class Surface;
struct PageChoices;

// The items printed as one line with its top at (x, y).
void printAt(Surface& pri, double x, double y, const std::vector<std::string>& items);

// One straight stroke of a figure (a fraction bar, a radical, a bracket, a sketch line), in
// twips.
struct Stroke {
    int x1, y1, x2, y2;
};
// Each stroke in order, moved right by dx and down by dy; the position ends at the last end
// point.
void drawStrokes(Surface& pri, const std::vector<Stroke>& strokes, int dx, int dy);
void drawStrokes(Surface& pri, std::initializer_list<Stroke> strokes, int dx, int dy);

// The value formatted with a report pattern ("0.000", "0.0#", "##,###" ...). A value that is
// not finite ends the section (ReportError) instead of printing nothing.
std::string Num(double value, const char* pattern);

// The patterns the formulas print most: lengths, forces and moments with three decimals,
// trigonometric terms with four, angles in degrees with two.
std::string n3(double v);
std::string term(double v);
std::string degrees(double angle);

// The x of a right-aligned table cell: x0 for a printed value below 10, 100 twips further left
// for each threshold (10, 100 and, where the column holds four integer digits, 1000) that the
// value reaches. A value equal to a threshold belongs to the band above it; a negative value
// prints at x0.
double alignedX(double printed, double x0, bool thousandsBand = false);

// A table cell of four decimals: the value rounded half up to four decimals (Marume), placed
// right-aligned at x0 by the rounded value's magnitude.
void cell4At(Surface& pri, double value, double x0, bool thousandsBand, double y);

// The width a report line may take: an A4 sheet less the printer's margins, in twips.
constexpr double kPrintableWidthTwips = 11600;

// A formula line: its symbols, then the values substituted and the result. Where the whole line
// would run past the printable width (ground pressures of thousands of kN/m2 across a slab ten
// metres wide), the values go on a line of their own, under the symbols, starting with "=".
void printFormula(Surface& pri, const std::string& symbols,
                  const std::vector<std::string>& values);

// A failing check: colour 13, its line or lines, one beep, colour 0.
using ReportLine = std::vector<std::string>;
void Pri_NG(Surface& pri, std::initializer_list<ReportLine> lines);
void Pri_NG(Surface& pri, const std::vector<ReportLine>& lines);

// The case of a heading.
enum class QuakeLevel { None, Quake_N, Quake_M, Quake_L, Quake_S };
// Normal case; else seismic under the residential-land standard by Kh (single precision,
// 0.25 and above is a large earthquake); else seismic under the road guideline; else none.
QuakeLevel quakeLevel(const PageChoices& choices, float Kh);
// "（常時）", "（中地震時）", "（大地震時）", "（地震時）"; empty for None.
std::string caseSuffix(QuakeLevel level);
// Prints the heading items followed by the suffix of the case, or nothing when no case
// applies (the caller prints its own empty line after it either way).
void Midashi_Case(Surface& pri, const PageChoices& choices, float Kh, ReportLine heading);

// A counted loop of the report: Loop_i from `from` to `to`, one pass each.
template <class Pass>
void countedLoop(float& Loop_i, int from, int to, Pass pass) {
    for (Loop_i = static_cast<float>(from); !(Loop_i > static_cast<float>(to)); Loop_i = Loop_i + 1)
        pass(static_cast<double>(Loop_i));
}

// A counted run of empty lines: Loop_i from 1 to count, one empty Print a pass.
void blankLines(Surface& pri, float& Loop_i, int count);

}  // namespace pelzaro
