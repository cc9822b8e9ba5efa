#include "qt/painter_sink.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPen>
#include <QRawFont>
#include <algorithm>
#include <cmath>

#include "qt/fonts.h"
#include "qt/qt_text.h"
#include "report/surface.h"

namespace pelzaro {

double pixelsPerTwip(const QPaintDevice& device) {
    return device.logicalDpiY() / kTwipsPerInch;
}

QFont twipsFont(const std::string& family, double points, bool bold) {
    QFont font;
    font.setFamilies({drawingFamily(family)});
    font.setStyleHint(QFont::Serif);
    // In logical twips one em is 20 twips per point: 220 at 11 pt.
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * Surface::kLineTwipsPerPoint))));
    font.setBold(bold);
    // Columns line up by counting characters of the fixed-pitch face: no pair may move closer.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

PainterSink::PainterSink(QPainter& painter, double devicePixelsPerTwip, std::string family,
                         bool bold)
    : painter_(painter), scale_(devicePixelsPerTwip), family_(std::move(family)), bold_(bold) {}

namespace {
// The cell of one character in the report's fixed pitch: half an em or a full em.
double cellTwips(char32_t c, double points) {
    const bool half = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
    return (half ? 10.0 : 20.0) * points;
}
}  // namespace

void PainterSink::text(double x, double top, double size, int colour, const std::string& text) {
    if (text.empty()) return;
    painter_.save();
    painter_.scale(scale_, scale_);
    const QFont font = twipsFont(family_, size, bold_);
    painter_.setFont(font);
    painter_.setPen(paletteQColor(colour));
    // The top of the character cell is the given top, so the baseline lies one ascent below
    // it. The face's ink (at most 0.84 em up and 0.1 em down for IPAMincho) then stays inside
    // the line of 20 twips per point that the next Print starts below.
    const QFontMetricsF metrics(font);
    const double baseline = top + metrics.ascent();
    // The face's own advances are the report's cells. A character the face lacks (∑) comes
    // from another face with its own width: it is centred in its cell, so the rest of the line
    // keeps its columns.
    const QRawFont face = QRawFont::fromFont(font);
    QString run;
    double runX = x, pen = x;
    auto flush = [&] {
        if (!run.isEmpty()) painter_.drawText(QPointF(runX, baseline), run);
        run.clear();
    };
    for (char32_t c : toQ(text).toUcs4()) {
        const double cell = cellTwips(c, size);
        const QString one = QString::fromUcs4(&c, 1);
        if (face.supportsCharacter(c)) {
            if (run.isEmpty()) runX = pen;
            run += one;
        } else {
            flush();
            const double own = metrics.horizontalAdvance(one);
            painter_.drawText(QPointF(pen + (cell - own) / 2, baseline), one);
        }
        pen += cell;
    }
    flush();
    painter_.restore();
}

void PainterSink::segment(double x1, double y1, double x2, double y2, int style, int colour) {
    painter_.save();
    painter_.scale(scale_, scale_);
    QPen pen(paletteQColor(colour));
    // Never thinner than one device pixel, so a line shows on a coarse image too.
    const double width = std::max(kLineWidthTwips, scale_ > 0 ? 1.0 / scale_ : kLineWidthTwips);
    pen.setWidthF(width);
    if (style == DrawStyle_Dot) {
        // A dash pattern counts in pen widths; dots of at least one pen width.
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(
            {std::max(kDotTwips, width) / width, std::max(kDotGapTwips, width) / width});
    } else {
        // Square ends close the corners where the segments of an outline meet.
        pen.setCapStyle(Qt::SquareCap);
    }
    painter_.setPen(pen);
    painter_.drawLine(QLineF(x1, y1, x2, y2));
    painter_.restore();
}

void PainterSink::beep() {
    if (beep_) beep_();
}

PagedPainter::PagedPainter(QPagedPaintDevice& device, double factor)
    : device_(device), factor_(factor) {
    painter_.begin(&device_);
}

PagedPainter::~PagedPainter() {
    end();
}

PainterSink* PagedPainter::beginPage() {
    if (!painter_.isActive()) return nullptr;
    if (pages_ > 0 && !device_.newPage()) return nullptr;
    ++pages_;
    sink_ = std::make_unique<PainterSink>(painter_, pixelsPerTwip(device_) * factor_);
    return sink_.get();
}

bool PagedPainter::end() {
    sink_.reset();
    return painter_.isActive() ? painter_.end() : true;
}

}  // namespace pelzaro
