#include "qt/bound_widgets.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "forms/controls.h"
#include "qt/fonts.h"
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
    for (const DrawOp& op : model_.drawing()) {
        if (op.kind == DrawOp::Segment) {
            p.setPen(modelPen(op.color, op.drawStyle == 2));
            p.drawLine(twipsToPx(op.x1), twipsToPx(op.y1), twipsToPx(op.x2), twipsToPx(op.y2));
        } else {
            p.setPen(paletteQColor(op.color));
            QFont font = modelFont(model_.fontName, op.fontSizePt, model_.fontBold);
            p.setFont(font);
            // The position is the top of the text, as a printed line starts there. The text
            // covers what lies beneath it, as a caption does.
            QFontMetrics fm(font);
            const QString text = toQ(op.text);
            QRect box(twipsToPx(op.x1), twipsToPx(op.y1), fm.horizontalAdvance(text), fm.height());
            p.fillRect(box, palette().color(QPalette::Window));
            p.drawText(box.left(), box.top() + fm.ascent(), text);
        }
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
