#include "report/conventions.h"

#include <cmath>

#include "numeric/format.h"
#include "report/page_choices.h"
#include "report/report_error.h"
#include "report/surface.h"

namespace pelzaro {

std::string Num(double value, const char* pattern) {
    finiteOr(value, std::string("a value printed as \"") + pattern + "\"");
    return Format(value, pattern);
}

double alignedX(double printed, double x0, bool thousandsBand) {
    double x = x0;
    if (printed >= 10.0) x -= 100.0;
    if (printed >= 100.0) x -= 100.0;
    if (thousandsBand && printed >= 1000.0) x -= 100.0;
    return x;
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
    case QuakeLevel::Quake_N: return "（常時）";
    case QuakeLevel::Quake_M: return "（中地震時）";
    case QuakeLevel::Quake_L: return "（大地震時）";
    case QuakeLevel::Quake_S: return "（地震時）";
    case QuakeLevel::None: break;
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
    for (Loop_i = 1; !(Loop_i > static_cast<float>(count)); Loop_i = Loop_i + 1) pri.Print();
}

}  // namespace pelzaro
