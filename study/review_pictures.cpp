#include "study/review_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tawen {

namespace {

constexpr int kMarkSize = 32;

QPixmap blank(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    return picture;
}

// A stroke with a darker rim, so the mark stands out on any background.
void drawStroke(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(150), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

// The arrow of a pointer, its tip at (1, 1).
QPainterPath arrow() {
    QPainterPath path;
    path.moveTo(1, 1);
    path.lineTo(1, 17);
    path.lineTo(5, 13);
    path.lineTo(8, 20);
    path.lineTo(11, 19);
    path.lineTo(8, 12);
    path.lineTo(13, 12);
    path.closeSubpath();
    return path;
}

QCursor pointer(bool pressed) {
    QPixmap picture = blank(32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (pressed) {
        // Short rays round the tip: the answer is being pressed.
        painter.setPen(QPen(QColor(224, 112, 32), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 0.5), QPointF(8, 0.5));
        painter.drawLine(QPointF(4.5, 4.5), QPointF(8, 7.5));
        painter.drawLine(QPointF(0.5, 4), QPointF(0.5, 8));
    }
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(pressed ? QColor(255, 220, 120) : QColor(64, 112, 176));
    painter.drawPath(arrow());
    painter.end();
    return QCursor(picture, 1, 1);
}

}  // namespace

QPixmap rightMark() {
    QPixmap picture = blank(kMarkSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(6, 17);
    tick.lineTo(13, 25);
    tick.lineTo(27, 7);
    drawStroke(painter, tick, QColor(40, 170, 60));
    return picture;
}

QPixmap wrongMark() {
    QPixmap picture = blank(kMarkSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath cross;
    cross.moveTo(8, 8);
    cross.lineTo(24, 24);
    cross.moveTo(24, 8);
    cross.lineTo(8, 24);
    drawStroke(painter, cross, QColor(215, 45, 40));
    return picture;
}

QCursor answerPointer() { return pointer(false); }

QCursor pressedPointer() { return pointer(true); }

}  // namespace tawen
