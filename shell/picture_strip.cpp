#include "shell/picture_strip.h"

#include <QMouseEvent>
#include <QPainter>

#include <array>

#include "platform/twips.h"

namespace tawen {

namespace {

using platform::twipsToPixels;

// The pictures of the strip, drawn on a 16 x 16 grid in the colour of the texts.
using Drawing = void (*)(QPainter&);

void drawPause(QPainter& p) {
    p.drawRoundedRect(QRectF(3.5, 3, 3, 10), 1, 1);
    p.drawRoundedRect(QRectF(9.5, 3, 3, 10), 1, 1);
}

void drawPlay(QPainter& p) {
    p.drawPolygon(std::array{QPointF(4.5, 2.5), QPointF(13, 8), QPointF(4.5, 13.5)}.data(), 3);
}

// A bar with a triangle pointing at it.
void drawPrevious(QPainter& p) {
    p.drawRect(QRectF(2.5, 3, 2, 10));
    p.drawPolygon(std::array{QPointF(13, 3), QPointF(5.5, 8), QPointF(13, 13)}.data(), 3);
}

void drawNext(QPainter& p) {
    p.translate(16, 0);
    p.scale(-1, 1);
    drawPrevious(p);
}

// A loudspeaker sounding: the word is read once more.
void drawRepeat(QPainter& p) {
    p.drawPolygon(std::array{QPointF(1.5, 6), QPointF(4.5, 6), QPointF(8.5, 2.5),
                             QPointF(8.5, 13.5), QPointF(4.5, 10), QPointF(1.5, 10)}
                      .data(),
                  6);
    p.setPen(QPen(kTickerTeal, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6.5, 5, 6, 6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(5, 2.5, 10, 11), -50 * 16, 100 * 16);
}

QPixmap drawn(Drawing draw) {
    const int size = twipsToPixels(kPictureSize);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    // A faint face, so the pictures read as buttons.
    p.setPen(QPen(kTickerRim, 1));
    p.setBrush(QColor(0xff, 0xff, 0xff, 150));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.translate(8, 8);
    p.scale(0.75, 0.75);
    p.translate(-8, -8);
    p.setPen(Qt::NoPen);
    p.setBrush(kTickerTeal);
    draw(p);
    return pixmap;
}

}  // namespace

QPixmap stripPicture(StripPicture which) {
    switch (which) {
        case StripPicture::Pause:
            return drawn(drawPause);
        case StripPicture::Play:
            return drawn(drawPlay);
        case StripPicture::Previous:
            return drawn(drawPrevious);
        case StripPicture::Next:
            return drawn(drawNext);
        case StripPicture::Repeat:
            return drawn(drawRepeat);
    }
    return {};
}

PictureButton::PictureButton(QWidget* strip, QPoint homeTwips, const QString& tip,
                             const QPixmap& face, std::function<void()> action)
    : QLabel(strip),
      home_(twipsToPixels(homeTwips.x()), twipsToPixels(homeTwips.y())),
      action_(std::move(action)) {
    setToolTip(tip);
    setPixmap(face);
    setGeometry(QRect(home_, QSize(twipsToPixels(kPictureSize), twipsToPixels(kPictureSize))));
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    // Ten twips is under a pixel here: the picture sinks by the one pixel
    // the screen can show.
    move(home_ + QPoint(1, 1));
    action_();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    move(home_);
    QLabel::mouseReleaseEvent(event);
}

void PictureButton::hideEvent(QHideEvent* event) {
    move(home_);
    QLabel::hideEvent(event);
}

}  // namespace tawen
