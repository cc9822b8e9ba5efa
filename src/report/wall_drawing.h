#pragma once
// The scale drawing of the wall section on the load-calculation page: its scale and the
// transforms from the wall's dimensions in metres to page positions in twips, shared by the
// outline and its annotations.

#include "report/figure_fit.h"
#include "report/report_context.h"

namespace pelzaro {

// Metres of wall shown as 1000 twips: the whole height of the rear wall (H3 + H4) is drawn
// 1000 / 0.35 twips tall, a wall of 1 m or less at the scale of a 1 m wall.
float wallDrawingScale(float H3, float H4);

// The first of the lines under the drawing: the drawing ends above it.
constexpr double kClosingLinesY = 6700.0;

class WallDrawing {
  public:
    // A scale that is not positive cannot place anything: a report error. The factors, at
    // most 1, shrink the drawing where at its own scales it would leave the room of its page
    // (figure_fit.h): the wall alike in both directions, the surcharge marks on their own;
    // the offsets of the dimension lines and labels stay as they are.
    WallDrawing(const Module1& m, float scale, FigureFactors factors = {});

    // A horizontal distance from the front end of the base, towards the heel.
    double X(double a) const { return 2850.0 + a * 1000.0 / scale_ * factors_.wall; }
    // A depth below the top of the rear wall.
    double Y(double d) const { return 2600.0 + d * 1000.0 / scale_ * factors_.wall; }
    // The height of the marks of a surcharge q (kN/m2): 10 twips per kN/m2 at full size.
    double surchargeHeight(float q) const { return 10.0 * q * factors_.load; }

    const Module1& m;

  private:
    float scale_;
    FigureFactors factors_;
};

// Where the drawing lays the back ground against the rear wall's outer face, in metres from the
// front end of the base: the outer batter spread over the wall's height above the slab, which
// the stability calculation never leaves at zero. The back surcharge's marks rise from here.
double backGroundOnRearFace(const Module1& m);

// The two halves of the drawing: the outline with ground, surcharges and dimension lines,
// then the labels, part numbers and dotted boundaries; and the lines under it.
void drawWallOutline(ReportContext& c, const WallDrawing& d);
void annotateWallDrawing(ReportContext& c, const WallDrawing& d);
void closeWallDrawing(ReportContext& c);

}  // namespace pelzaro
