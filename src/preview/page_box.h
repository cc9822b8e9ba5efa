#pragma once
// The page box of a preview window: a white sheet the size of the printer's page, with the
// drawing origin at the corner of the printable area so that every position lands where it
// lands on paper. It keeps what the section printers drew as its persistent image: moving the
// box (scrolling) shows that image again and never runs a section printer. Cls erases it.

#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/host.h"
#include "report/recording_sink.h"
#include "report/report_sink.h"
#include "report/surface.h"

namespace pelzaro {

class PageBox : public Control, public ReportSink {
  public:
    PageBox(Window& owner, std::string name, Control* container);

    // The sheet (geometry.width, geometry.height) and the printable area's corner and size.
    void takePage(const PrinterPage& page);
    int ScaleWidth() const { return scaleWidth_; }
    int ScaleHeight() const { return scaleHeight_; }
    int originLeft() const { return originLeft_; }
    int originTop() const { return originTop_; }

    // The face the box draws the report in, and the size a page starts at on it: the printed
    // sheet's, so that the preview lays a page out as the print does. At a size of its own
    // (a screen's 11.25 points) every line that its section does not size would be drawn wider
    // and lower than on paper: a formula that just fits the sheet would be broken in the
    // preview, or run off its edge, where the print keeps it whole.
    std::string FontName;
    double FontSize = Surface::kStartFontSize;
    int BorderStyle = 1;

    // Erases the image; the next section starts on an empty sheet.
    void Cls();
    // What was drawn since the last Cls, in twips of the printable area.
    const std::vector<ReportEvent>& drawing() const { return drawing_; }
    // Why the drawing stopped early, shown on the sheet; empty when the page is complete.
    const std::string& note() const { return note_; }
    void setNote(const std::string& note);
    // Changes with every Cls and every drawing: a view renders its image again only then.
    unsigned imageRevision() const { return imageRevision_; }

    // The surface's primitives.
    void text(double x, double top, double size, int colour, const std::string& text) override;
    void segment(double x1, double y1, double x2, double y2, int style, int colour) override;
    void beep() override;

  private:
    std::vector<ReportEvent> drawing_;
    std::string note_;
    int scaleWidth_ = 0, scaleHeight_ = 0, originLeft_ = 0, originTop_ = 0;
    unsigned imageRevision_ = 0;
};

}  // namespace pelzaro
