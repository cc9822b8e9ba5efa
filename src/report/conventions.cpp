#include "report/conventions.h"

#include <cmath>

#include "numeric/format.h"
#include "report/page_choices.h"
#include "report/report_error.h"
#include "report/surface.h"
#include "report/text_width.h"

namespace pelzaro {

void printAt(Surface& pri, double x, double y, const std::vector<std::string>& items) {
    pri.CurrentX(x);
    pri.CurrentY(y);
    pri.Print(items);
}

void drawStrokes(Surface& pri, const std::vector<Stroke>& strokes, int dx, int dy) {
    for (const Stroke& s : strokes) pri.Line(dx + s.x1, dy + s.y1, dx + s.x2, dy + s.y2);
}

void drawStrokes(Surface& pri, std::initializer_list<Stroke> strokes, int dx, int dy) {
    drawStrokes(pri, std::vector<Stroke>(strokes), dx, dy);
}

std::string Num(double value, const char* pattern) {
    finiteOr(value, std::string("a value printed as \"") + pattern + "\"");
    return Format(value, pattern);
}

std::string n3(double v) {
    return Num(v, "0.000");
}

std::string term(double v) {
    return Num(v, "0.0000");
}

std::string degrees(double angle) {
    return Num(angle, "0.00");
}

double alignedX(double printed, double x0, bool thousandsBand) {
    double x = x0;
    if (printed >= 10.0) x -= 100.0;
    if (printed >= 100.0) x -= 100.0;
    if (thousandsBand && printed >= 1000.0) x -= 100.0;
    return x;
}

void cell4At(Surface& pri, double value, double x0, bool thousandsBand, double y) {
    const double rounded = Marume(value, 4);
    printAt(pri, alignedX(rounded, x0, thousandsBand), y, {Num(rounded, "0.0000")});
}

void printFormula(Surface& pri, const std::string& symbols,
                  const std::vector<std::string>& values) {
    std::vector<std::string> line{symbols};
    line.insert(line.end(), values.begin(), values.end());
    std::string whole;
    for (const std::string& item : line) whole += item;
    if (textWidthTwips(whole, pri.fontSize()) <= kPrintableWidthTwips) {
        pri.Print(line);
        return;
    }
    // The continuation's "=" stands one place right of the symbol's first letter, as the
    // chapter's own two-line formulas have it.
    const size_t lead = symbols.find_first_not_of(' ');
    pri.Print({symbols});
    std::vector<std::string> rest{std::string(lead == std::string::npos ? 0 : lead + 1, ' ')};
    rest.insert(rest.end(), values.begin(), values.end());
    pri.Print(rest);
}

void Pri_NG(Surface& pri, std::initializer_list<ReportLine> lines) {
    Pri_NG(pri, std::vector<ReportLine>(lines));
}

void Pri_NG(Surface& pri, const std::vector<ReportLine>& lines) {
    pri.ForeColor(13);
    for (const ReportLine& line : lines) pri.Print(line);
    pri.Beep();
    pri.ForeColor(0);
}

QuakeLevel quakeLevel(const PageChoices& c, float Kh) {
    if (c.case_N) return QuakeLevel::Quake_N;
    if (!c.case_S) return QuakeLevel::None;
    if (c.std_T) return Kh < 0.25f ? QuakeLevel::Quake_M : QuakeLevel::Quake_L;
    if (c.std_D) return QuakeLevel::Quake_S;
    return QuakeLevel::None;
}

std::string caseSuffix(QuakeLevel level) {
    switch (level) {
        case QuakeLevel::Quake_N:
            return "（常時）";
        case QuakeLevel::Quake_M:
            return "（中地震時）";
        case QuakeLevel::Quake_L:
            return "（大地震時）";
        case QuakeLevel::Quake_S:
            return "（地震時）";
        case QuakeLevel::None:
            break;
    }
    return "";
}

void Midashi_Case(Surface& pri, const PageChoices& choices, float Kh, ReportLine heading) {
    QuakeLevel level = quakeLevel(choices, Kh);
    if (level == QuakeLevel::None) return;
    heading.push_back(caseSuffix(level));
    pri.Print(heading);
}

void blankLines(Surface& pri, float& Loop_i, int count) {
    countedLoop(Loop_i, 1, count, [&pri](double) { pri.Print(); });
}

}  // namespace pelzaro
