#include "qt/page_box_widget.h"

#include <QPainter>
#include <cmath>

#include "preview/page_box.h"
#include "qt/painter_sink.h"
#include "qt/qt_text.h"

namespace pelzaro {

namespace {
// The note of a page that stopped early, in the sheet's top margin, in the failing colour.
constexpr double kNoteLeftTwips = 200, kNoteTopTwips = 20, kNotePoints = 9;

void replay(const PageBox& box, ReportSink& sink) {
    for (const ReportEvent& e : box.drawing()) {
        if (e.kind == ReportEvent::Text) sink.text(e.x1, e.y1, e.size, e.colour, e.text);
        if (e.kind == ReportEvent::Segment) sink.segment(e.x1, e.y1, e.x2, e.y2, e.style, e.colour);
    }
}
}  // namespace

QImage renderPageBox(const PageBox& box, double pixelsPerTwip) {
    const int width =
        std::max(1, static_cast<int>(std::lround(box.geometry.width * pixelsPerTwip)));
    const int height =
        std::max(1, static_cast<int>(std::lround(box.geometry.height * pixelsPerTwip)));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (!box.note().empty()) {
        PainterSink note(painter, pixelsPerTwip);
        note.text(kNoteLeftTwips, kNoteTopTwips, kNotePoints, kColorFailing, box.note());
    }
    painter.translate(box.originLeft() * pixelsPerTwip, box.originTop() * pixelsPerTwip);
    PainterSink sink(painter, pixelsPerTwip, box.FontName);
    replay(box, sink);
    return image;
}

PageBoxWidget::PageBoxWidget(const PageBox& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageBoxWidget::paintEvent(QPaintEvent*) {
    // Device pixels per twip: 15 twips to a logical pixel, times the screen's ratio.
    const double scale = devicePixelRatioF() / kTwipsPerPixel;
    if (model_.imageRevision() != renderedRevision_ || scale != renderedScale_) {
        image_ = renderPageBox(model_, scale);
        image_.setDevicePixelRatio(devicePixelRatioF());
        renderedRevision_ = model_.imageRevision();
        renderedScale_ = scale;
    }
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawImage(QPoint(0, 0), image_);
    if (model_.BorderStyle != 0) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace pelzaro
