#include "qt/bound_widgets.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "forms/controls.h"
#include "qt/painter_sink.h"
#include "qt/qt_text.h"

namespace pelzaro {

namespace {
QPen modelPen(int paletteIndex, bool dotted) {
    QPen pen(paletteQColor(paletteIndex));
    pen.setWidth(1);
    if (dotted) pen.setStyle(Qt::DotLine);
    return pen;
}
}  // namespace

PictureWidget::PictureWidget(const PictureBox& model, QWidget* parent)
    : QWidget(parent), model_(model) {}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The same painter as the report's, at the pages' own 96 dpi: a text's position is the top
    // of its line, as a printed line starts there.
    PainterSink sink(p, 1.0 / kTwipsPerPixel, model_.fontName, model_.fontBold);
    for (const DrawOp& op : model_.drawing()) {
        if (op.kind == DrawOp::Segment)
            sink.segment(op.x1, op.y1, op.x2, op.y2, op.drawStyle, op.color);
        else
            sink.text(op.x1, op.y1, op.fontSizePt, op.color, op.text);
    }
    if (model_.BorderStyle != 0) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.lineWidth = 1;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &p, this);
    }
}

LineWidget::LineWidget(const Line& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

QRect LineWidget::span() const {
    QPoint a(twipsToPx(model_.X1), twipsToPx(model_.Y1));
    QPoint b(twipsToPx(model_.X2), twipsToPx(model_.Y2));
    return QRect(a, b).normalized().adjusted(0, 0, 1, 1);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(modelPen(model_.BorderColor, model_.BorderStyle == 3));
    QPoint origin = span().topLeft();
    p.drawLine(QPoint(twipsToPx(model_.X1), twipsToPx(model_.Y1)) - origin,
               QPoint(twipsToPx(model_.X2), twipsToPx(model_.Y2)) - origin);
}

}  // namespace pelzaro
