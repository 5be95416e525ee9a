#include "study/twip_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

#include "platform/twips.h"

namespace tawen {

namespace {

int toPixels(int twips) {
    return static_cast<int>(std::lround(double(twips) / platform::kTwipsPerPixel));
}

QPoint toPixels(QPoint twips) { return {toPixels(twips.x()), toPixels(twips.y())}; }

// The program's own face, sized to fill a printed line.
QFont pictureFont() {
    QFont face;
    face.setPixelSize(platform::twipsToPixels(TwipPainter::kLineHeight));
    return face;
}

}  // namespace

TwipPainter::TwipPainter(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(pictureFont());
}

int TwipPainter::width(const QString& text) const {
    return platform::pixelsToTwips(QFontMetrics(painter_.font()).horizontalAdvance(text));
}

void TwipPainter::clear(QSize twips) {
    painter_.fillRect(QRect(QPoint(0, 0), QSize(toPixels(twips.width()), toPixels(twips.height()))),
                      Qt::white);
}

void TwipPainter::line(QPoint from, QPoint to, const QColor& colour) {
    polyline({from, to}, colour);
}

void TwipPainter::polyline(const QList<QPoint>& points, const QColor& colour) {
    QList<QPoint> pixels;
    for (const QPoint& point : points) pixels.append(toPixels(point));
    painter_.setPen(QPen(colour, 0));
    painter_.drawPolyline(pixels.data(), int(pixels.size()));
}

void TwipPainter::dot(QPoint centre, int radius, const QColor& colour) {
    painter_.setPen(QPen(colour, 0));
    painter_.setBrush(colour);
    painter_.drawEllipse(toPixels(centre), toPixels(radius), toPixels(radius));
    painter_.setBrush(Qt::NoBrush);
}

int TwipPainter::print(QPoint at, const QString& text, const QColor& colour) {
    // Leading blanks indent by the half-width blank of the face the layout
    // was measured in, however narrow this face's own blank is.
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == u' ') ++blanks;
    const QString shown = text.sliced(blanks);
    const QFontMetrics metrics(painter_.font());
    const int top =
        toPixels(at.y()) + (platform::twipsToPixels(kLineHeight) - metrics.height()) / 2;
    const int left = toPixels(at.x() + int(blanks) * kLineHeight / 2);
    painter_.setPen(colour);
    painter_.drawText(QPoint(left, top + metrics.ascent()), shown);
    return platform::pixelsToTwips(left + metrics.horizontalAdvance(shown));
}

}  // namespace tawen
