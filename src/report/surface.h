#pragma once
// The report surface as the section printers use it: a current position, a font size, a fore
// colour and a draw style, and the three things they do with them: print a line of joined
// texts, draw a segment, beep. The state carries over from one section to the next on a page;
// only the surface's owner (preview or print) starts a page.

#include <initializer_list>
#include <string>
#include <vector>

#include "report/report_sink.h"

namespace pelzaro {

class Surface {
public:
    // One text line is 20 twips per point of the current size (220 at 11 pt), whatever the
    // face's own leading, so that flowing text meets the absolutely placed blocks.
    static constexpr double kLineTwipsPerPoint = 20.0;
    static constexpr double kStartFontSize = 11.0;

    explicit Surface(ReportSink& sink) : sink_(&sink) {}
    // A surface in the state of `like` (position, size, colour, style) that draws on another
    // sink: where a figure is measured before it is drawn.
    Surface(ReportSink& sink, const Surface& like) : Surface(like) { sink_ = &sink; }

    // The owner's page start: position (0, 0), size as given, colour 0, solid lines.
    void startPage(double fontSize = kStartFontSize);

    // The operations of the sections.
    void CurrentX(double x) { x_ = x; }
    void CurrentY(double y) { y_ = y; }
    // Draws the items joined without a gap at the current position, the top of the text at
    // CurrentY, and ends the line: x back to 0, y one line lower. No items: an empty line.
    void Print(std::initializer_list<std::string> items);
    void Print(const std::vector<std::string>& items);
    void Print() { Print(std::vector<std::string>{}); }
    // A segment in the current draw style; afterwards the position is its end point.
    void Line(double x1, double y1, double x2, double y2);
    void FontSize(double points) { size_ = points; }
    void ForeColor(int colour) { colour_ = colour; }
    void DrawStyle(int style) { style_ = style; }
    void Beep() { sink_->beep(); }

    // Read back by the owner and the tests; the sections never read them.
    double x() const { return x_; }
    double y() const { return y_; }
    double fontSize() const { return size_; }
    int foreColor() const { return colour_; }
    int drawStyle() const { return style_; }
    double lineHeight() const { return size_ * kLineTwipsPerPoint; }

private:
    ReportSink* sink_;
    double x_ = 0.0, y_ = 0.0;
    double size_ = kStartFontSize;
    int colour_ = 0;
    int style_ = DrawStyle_Solid;
};

}  // namespace pelzaro
