#pragma once
// The report drawn with a QPainter, on any device: an image (the preview's page box, the pages'
// picture boxes), a printer, a PDF writer. Everything arrives in twips and is scaled by the
// device's pixels per twip; the painter's origin is the top-left corner of the drawing area
// (on a printer or PDF page: the printable area, which is where a QPainter on a
// QPagedPaintDevice starts unless the device is in full-page mode).
//
// Text: the face as the model names it ("ＭＳ 明朝" is the fixed-pitch IPAMincho), sized in
// twips (20 per point) rather than in screen pixels, kerning off, the top of its character
// cell at the given top, so that its ink stays within the line of 20 twips per point below.
// Segments: a thin pen of at least one device pixel; the dotted style a dash pattern in twips, so
// that its dots stay visible at printer resolution. Colours are palette indexes (13 is RGB(255, 0,
// 255)).
//
// Typical use by a page's owner:
//   QPainter painter(&image);                 // or PagedPainter for a printer or a PDF
//   PainterSink sink(painter, pixelsPerTwip(image));
//   Surface pri(sink);
//   pri.startPage();
//   drawSections(app, pri, {...});

#include <QFont>
#include <QPainter>
#include <functional>
#include <memory>
#include <string>

#include "report/report_sink.h"

class QPaintDevice;
class QPagedPaintDevice;

namespace pelzaro {

// The face of the report, as the printing sets it.
inline constexpr const char* kReportFace = "ＭＳ 明朝";
// 1440 twips to the inch.
inline constexpr double kTwipsPerInch = 1440.0;

// Device pixels per twip at the device's own resolution.
double pixelsPerTwip(const QPaintDevice& device);

// The font of report text in logical twips: the drawing face of `family`, 20 twips per point,
// kerning off, outlines unhinted so that advances are exact at every scale.
QFont twipsFont(const std::string& family, double points, bool bold = false);

class PainterSink : public ReportSink {
  public:
    // Draws with `painter` (already active on its device) at `devicePixelsPerTwip`. The
    // painter's own state is left as it was found after each operation.
    PainterSink(QPainter& painter, double devicePixelsPerTwip, std::string family = kReportFace,
                bool bold = false);

    void text(double x, double top, double size, int colour, const std::string& text) override;
    void segment(double x1, double y1, double x2, double y2, int style, int colour) override;
    // A painter makes no sound: the owner decides (the preview and the print beep through the
    // Host; an image for a test or a tool stays silent).
    void beep() override;
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // The pen of a segment in twips, exposed for the tests.
    static constexpr double kLineWidthTwips = 10.0;  // about 0.18 mm
    static constexpr double kDotTwips = 20.0;        // about 0.35 mm
    static constexpr double kDotGapTwips = 40.0;     // about 0.7 mm

  private:
    QPainter& painter_;
    double scale_;
    std::string family_;
    bool bold_;
    std::function<void()> beep_;
};

// Report pages one after another on a printer or a PDF writer. The first beginPage() draws on
// the device's first page, each further one starts a new page first: a page break is only
// made when another page follows, so a document never ends with an empty page. Each page is
// drawn at `factor` times its size in twips (report/page_fit.h), from the printable area's corner.
class PagedPainter {
  public:
    explicit PagedPainter(QPagedPaintDevice& device, double factor = 1.0);
    ~PagedPainter();
    PagedPainter(const PagedPainter&) = delete;
    PagedPainter& operator=(const PagedPainter&) = delete;

    // False when the device could not be opened (no printer, a file that cannot be written).
    bool isActive() const { return painter_.isActive(); }
    // The sink of the next page in the report face; false from newPage() when the device refuses
    // the page (the sink is then null).
    PainterSink* beginPage();
    // Ends the document; also done by the destructor.
    bool end();

  private:
    QPagedPaintDevice& device_;
    double factor_;
    QPainter painter_;
    std::unique_ptr<PainterSink> sink_;
    int pages_ = 0;
};

}  // namespace pelzaro
