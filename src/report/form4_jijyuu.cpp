// The self weight of the wall, part by part, in a ruled table below the wall drawing, with
// the totals of the calculation and the centroid of the whole weight; then the surcharges.

#include <string>

#include "report/conventions.h"
#include "report/report_error.h"
#include "report/sections.h"
#include "report/self_weight.h"
#include "report/self_weight_texts.h"
#include "report/shown_parts.h"
#include "report/stability_result.h"

namespace pelzaro {

namespace {

void dash(Surface& pri, double x, double y) {
    pri.Line(x, y, x + 300, y);
}

void grid(Surface& pri, float& loop) {
    pri.Line(1000, 7900, 11200, 7900);
    countedLoop(loop, 0, 9,
                [&](double i) { pri.Line(1000, 8500 + 500 * i, 11200, 8500 + 500 * i); });
    pri.Line(7600, 8200, 11200, 8200);
    pri.Line(1000, 7900, 1000, 13000);
    pri.Line(2000, 7900, 2000, 12500);  // the totals' label spans the first two columns
    pri.Line(5750, 7900, 5750, 13000);
    pri.Line(6650, 7900, 6650, 13000);
    pri.Line(7600, 7900, 7600, 13000);
    pri.Line(8300, 8200, 8300, 13000);
    pri.Line(9000, 7900, 9000, 13000);
    pri.Line(10100, 8200, 10100, 13000);
    pri.Line(11200, 7900, 11200, 13000);
}

void headerAndLabels(Surface& pri) {
    using namespace weight_text;
    pri.FontSize(9);
    printAt(pri, 1300, 8100, {kHdrSection});
    printAt(pri, 3350, 8100, {kHdrArea});
    printAt(pri, 5850, 8000, {kHdrUnitWeight});
    printAt(pri, 5800, 8250, {kHdrGamma});
    printAt(pri, 6850, 8000, {kHdrWeight});
    printAt(pri, 6800, 8250, {kHdrW});
    printAt(pri, 7800, 7950, {kHdrCentroid});
    printAt(pri, 7900, 8250, {kHdrX});
    printAt(pri, 8550, 8250, {kHdrY});
    printAt(pri, 9400, 7950, {kHdrMoment});
    printAt(pri, 9400, 8250, {kHdrWx});
    printAt(pri, 10500, 8250, {kHdrWy});
    for (int k = 1; k <= 8; ++k) printAt(pri, 1050, 8650 + 500 * (k - 1), {kRowLabel[k - 1]});
    printAt(pri, 3000, 12650, {kTotalLabel});
}

struct RowValues {
    float unitWeight;
    double unitWeightX;
    bool roundedArea;  // the area cell rounded to four decimals first, or printed as stored
    float x, y;
};

RowValues rowValues(const Module1& m, int k) {
    const float arms[8][2] = {{m.X1, m.Y1}, {m.X2, m.Y2}, {m.X3, m.Y3}, {m.X4, m.Y4},
                              {m.X5, m.Y5}, {m.X6, m.Y6}, {m.X7, m.Y7}, {m.X8, m.Y8}};
    const bool concrete = k <= 5;
    return RowValues{concrete ? m.Gamma_C : m.Gamma_S, concrete ? 6000.0 : 6050.0,
                     k == 1 || k == 2 || k == 7, arms[k - 1][0], arms[k - 1][1]};
}

void row(ReportContext& c, int k, bool dashes, bool heights) {
    using namespace weight_text;
    Surface& pri = c.pri;
    const Module1& m = c.m;
    if (!showsPart(m, k)) return;
    const double y = 8650 + 500 * (k - 1);
    const RowValues v = rowValues(m, k);
    const float area = partArea(m, k);

    printAreaTemplate(pri, m, k, y);
    printAt(pri, 4700, y, {kEquals});
    const double areaR = Marume(area, 4);
    // Placed by the rounded area; printed rounded or as the expression gave it.
    printAt(pri, alignedX(areaR, 5050), y,
            {v.roundedArea ? Num(areaR, "0.0000") : Num(area, "0.0000")});
    printAt(pri, v.unitWeightX, y, {Num(v.unitWeight, "0.0")});
    const double w = double(v.unitWeight) * area;
    cell4At(pri, w, 6900, false, y);
    printAt(pri, 7700, y, {Num(v.x, "0.000")});
    const double wx = double(v.unitWeight) * area * v.x;
    cell4At(pri, wx, 9400, true, y);
    if (dashes) {
        dash(pri, 8500, y + 100);
        dash(pri, 10500, y + 100);
    }
    if (heights) {
        printAt(pri, 8400, y, {Num(v.y, "0.000")});
        const double wy = double(v.unitWeight) * area * v.y;
        cell4At(pri, wy, 10500, true, y);
    }
}

void totals(ReportContext& c, bool dashes, bool heights) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    const double y = 12650, yDash = 12750;
    dash(pri, 6050, yDash);
    cell4At(pri, m.SumW, 6900, false, y);
    dash(pri, 7800, yDash);
    dash(pri, 8500, yDash);
    cell4At(pri, m.SumWx, 9400, true, y);
    if (dashes) dash(pri, 10500, yDash);
    if (heights) cell4At(pri, m.SumWy, 10500, true, y);
}

// One centroid line: the moment over the weight, then their quotient in metres. A wall
// without weight (unit weights of 0) has no centroid: a dash stands for the quotient.
void centroidLine(Surface& pri, const char* lead, float moment, float weight, const char* what) {
    using namespace weight_text;
    pri.CurrentX(1850);
    const std::string sums = Num(Marume(moment, 3), "0.000");
    const std::string total = Num(Marume(weight, 3), "0.000");
    if (weight == 0.0f) {
        pri.Print({lead, sums, kSlash, total, kEq, kNoCentroid});
        return;
    }
    const float at = static_cast<float>(quotient(moment, weight, what));
    pri.Print({lead, sums, kSlash, total, kEq, Num(at, "0.000"), kMetre});
}

void centroidLines(ReportContext& c, bool heights) {
    using namespace weight_text;
    Surface& pri = c.pri;
    const Module1& m = c.m;
    pri.FontSize(11);
    pri.CurrentY(13400);
    centroidLine(pri, kCentroidX, m.SumWx, m.SumW, "the centroid x = ΣW·x / ΣW");
    if (heights) centroidLine(pri, kCentroidY, m.SumWy, m.SumW, "the centroid y = ΣW·y / ΣW");
}

}  // namespace

void Form4_JIJYUU(ReportContext& c) {
    Surface& pri = c.pri;
    c.layout.Doatu_OfsY = 0;
    // The drawing above has said why there is no result; no table of zeros follows it.
    if (stabilityRefused(c.m)) return;
    // Without wall inertia the y arms play no part: dashes stand in their columns.
    const bool dashes = c.opt.case_N || c.opt.method_K1;
    const bool heights = c.opt.method_K2 || c.opt.method_D1;

    pri.CurrentY(7600);
    pri.Print({weight_text::kSelfWeightHeading});
    grid(pri, c.layout.Loop_i);
    headerAndLabels(pri);
    pri.FontSize(10);
    for (int k = 1; k <= 8; ++k) row(c, k, dashes, heights);
    totals(c, dashes, heights);
    centroidLines(c, heights);
    printSurchargeLoads(pri, c.m);
}

}  // namespace pelzaro
