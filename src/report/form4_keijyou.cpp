// The wall's chapter opens: five empty lines, the chapter and load headings, then the section
// of the U-wall drawn to scale and annotated.

#include "report/conventions.h"
#include "report/report_error.h"
#include "report/sections.h"
#include "report/stability_result.h"
#include "report/wall_drawing.h"
#include "report/wall_drawing_texts.h"

namespace pelzaro {

float wallDrawingScale(float H3, float H4) {
    const float height = static_cast<float>(double(H4) + H3);
    if (height <= 1.0f) return static_cast<float>(3.5 / 10);
    return static_cast<float>(double(height) * 3.5 / 10);
}

WallDrawing::WallDrawing(const Module1& state, float scale, FigureFactors factors)
    : m(state), scale_(scale), factors_(factors) {
    if (!(scale > 0.0f)) throw ReportError("the scale of the wall drawing: division by zero");
}

namespace {

void drawWall(ReportContext& c, const WallDrawing& d) {
    drawWallOutline(c, d);
    annotateWallDrawing(c, d);
}

}  // namespace

void Form4_KEIJYOU(ReportContext& c) {
    using namespace drawing_text;
    const Module1& m = c.m;
    c.layout.Syukusyaku = wallDrawingScale(m.H3, m.H4);

    blankLines(c.pri, c.layout.Loop_i, 5);
    c.pri.Print({kChapterLead, m.Syou_No, kChapterMid, m.Kigou, kChapterTail});
    c.pri.Print();
    Midashi_Case(c.pri, c.opt, m.Kh, {kLoadLead, m.Syou_No, kLoadTitle});
    if (stabilityRefused(m)) {
        printStabilityRefusal(c);
        return;
    }

    // The drawing keeps its scale where it fits between the headings, the printable width and
    // the lines under it; otherwise it shrinks just enough to fit.
    const float scale = c.layout.Syukusyaku;
    const FigureRoom room{0.0, c.pri.y(), kPrintableWidthTwips, kClosingLinesY};
    const FigureFactors factors = fittingFactors(
        c, room,
        [&](ReportContext& trial, FigureFactors f) { drawWall(trial, WallDrawing(m, scale, f)); });
    c.layout.Syukusyaku = static_cast<float>(scale / factors.wall);
    drawWall(c, WallDrawing(m, scale, factors));
    closeWallDrawing(c);
}

}  // namespace pelzaro
