#pragma once
// The scale drawing of the wall section on the load-calculation page: its scale and the
// transforms from the wall's dimensions in metres to page positions in twips, shared by the
// outline and its annotations.

#include "report/report_context.h"

namespace pelzaro {

// Metres of wall shown as 1000 twips: the whole height of the rear wall (H3 + H4) is drawn
// 1000 / 0.35 twips tall, a wall of 1 m or less at the scale of a 1 m wall.
float wallDrawingScale(float H3, float H4);

class WallDrawing {
  public:
    // A scale that is not positive cannot place anything: a report error.
    WallDrawing(const Module1& m, float scale);

    // A horizontal distance from the front end of the base, towards the heel.
    double X(double a) const { return 2850.0 + a * 1000.0 / scale_; }
    // A depth below the top of the rear wall.
    double Y(double d) const { return 2600.0 + d * 1000.0 / scale_; }

    const Module1& m;

  private:
    float scale_;
};

// The two halves of the drawing: the outline with ground, surcharges and dimension lines,
// then the labels, part numbers, dotted boundaries and the closing lines.
void drawWallOutline(ReportContext& c, const WallDrawing& d);
void annotateWallDrawing(ReportContext& c, const WallDrawing& d);

}  // namespace pelzaro
