#include "qt/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace pelzaro {

namespace {

constexpr int kSize = 32;  // drawn at twice the toolbar's 16 pixels, scaled down smoothly

void sheet(QPainter& p, QRectF r) {
    QPainterPath page;
    const qreal fold = r.width() * 0.35;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void drawNew(QPainter& p) {
    sheet(p, QRectF(6, 2, 20, 27));
}

void drawOpen(QPainter& p) {
    p.setBrush(QColor(230, 190, 60));
    p.drawRect(QRectF(2, 8, 24, 18));
    p.drawRect(QRectF(2, 5, 10, 4));
    QPolygonF lid({QPointF(7, 14), QPointF(30, 14), QPointF(25, 26), QPointF(2, 26)});
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(lid);
}

void drawSave(QPainter& p) {
    p.setBrush(QColor(40, 80, 170));
    p.drawRect(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 3, 16, 10));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setBrush(QColor(40, 80, 170));
    p.drawRect(QRectF(18, 5, 3, 6));
}

void drawPreview(QPainter& p) {
    sheet(p, QRectF(2, 2, 19, 25));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(18, 18), 7, 7);
    QPen thick(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(thick);
    p.drawLine(QPointF(23, 23), QPointF(29, 29));
}

void drawPrinter(QPainter& p) {
    sheet(p, QRectF(9, 2, 14, 12));
    p.setBrush(QColor(190, 190, 190));
    p.drawRoundedRect(QRectF(2, 12, 28, 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 21, 16, 9));
    p.setBrush(QColor(60, 180, 60));
    p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
}

void drawWallSection(QPainter& p) {
    // Two walls on one base slab, with soil in between.
    p.setBrush(QColor(150, 110, 60));
    p.drawRect(QRectF(9, 10, 14, 14));
    p.setBrush(QColor(185, 185, 185));
    QPolygonF u({QPointF(3, 4), QPointF(9, 4), QPointF(9, 24), QPointF(23, 24), QPointF(23, 4),
                 QPointF(29, 4), QPointF(29, 29), QPointF(3, 29)});
    p.drawPolygon(u);
}

QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    draw(p);
    p.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon applicationIcon() {
    return drawnIcon(drawWallSection);
}

QIcon toolbarIcon(int buttonIndex) {
    std::function<void(QPainter&)> draw;
    switch (buttonIndex) {
        case 1:
            draw = drawNew;
            break;
        case 2:
            draw = drawOpen;
            break;
        case 3:
            draw = drawSave;
            break;
        case 5:
            draw = drawPreview;
            break;
        case 6:
            draw = drawPrinter;
            break;
        default:
            return {};
    }
    return drawnIcon(draw);
}

}  // namespace pelzaro
