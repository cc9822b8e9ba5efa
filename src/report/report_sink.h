#pragma once
// Where a report surface sends what it draws: only primitives, already resolved to absolute
// twips on the page. The recording sink keeps them as a transcript for the tests; the painter
// sink of the Qt layer draws them on an image, a printer or a PDF.

#include <string>

namespace pelzaro {

enum ReportDrawStyle { DrawStyle_Solid = 0, DrawStyle_Dot = 2 };

class ReportSink {
public:
    virtual ~ReportSink() = default;
    // Text in UTF-8 with the top of its line at `top`, `size` in points, a palette colour.
    virtual void text(double x, double top, double size, int colour, const std::string& text) = 0;
    // One straight segment between two absolute points.
    virtual void segment(double x1, double y1, double x2, double y2, int style, int colour) = 0;
    // The system beep of a failing check.
    virtual void beep() = 0;
};

}  // namespace pelzaro
