#include "agents/speech_balloon.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

#include "agents/figure_window.h"

namespace tawen {

namespace {

constexpr int kWidest = 280;  // text width before it wraps
constexpr int kPadding = 12;
constexpr int kTail = 16;      // height of the point under the balloon
constexpr int kOverHead = 14;  // how far the point reaches into the figure's window
constexpr int kLingerMs = 1500;
const QColor kPaper(255, 253, 240);
const QColor kInk(60, 48, 40);

QPainterPath outline(const QRectF& body, double tailX) {
    QPainterPath path;
    path.addRoundedRect(body, 12, 12);
    QPainterPath tail;
    tail.moveTo(tailX - 10, body.bottom() - 1);
    tail.lineTo(tailX + 4, body.bottom() + kTail - 2);
    tail.lineTo(tailX + 10, body.bottom() - 1);
    tail.closeSubpath();
    return path.united(tail);
}

}  // namespace

SpeechBalloon::SpeechBalloon() : cutToShape_(!desktopBlendsWindows()) {
    makeCharacterWindow(*this);
    lingering_.setSingleShot(true);
    connect(&lingering_, &QTimer::timeout, this, &SpeechBalloon::dismiss);
}

void SpeechBalloon::say(const QString& text, const QString& face) {
    lingering_.stop();
    text_ = text;
    QFont font(face);
    font.setPointSize(11);
    setFont(font);
    const QRect words =
        fontMetrics().boundingRect(QRect(0, 0, kWidest, 10000), Qt::TextWordWrap, text_);
    setFixedSize(std::max(words.width(), 40) + 2 * kPadding + 2,
                 words.height() + 2 * kPadding + kTail + 2);
    placeOver(figure_);
    show();
    update();
}

void SpeechBalloon::linger() { lingering_.start(kLingerMs); }

void SpeechBalloon::dismiss() {
    lingering_.stop();
    hide();
}

void SpeechBalloon::placeOver(const QRect& figure) {
    figure_ = figure;
    QPoint place(figure.center().x() - width() / 2, figure.top() + kOverHead - height());
    if (const QScreen* screen = QGuiApplication::screenAt(figure.center())) {
        const QRect room = screen->availableGeometry();
        place.setX(
            std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - width())));
        place.setY(std::max(place.y(), room.top()));
    }
    move(place);
    if (cutToShape_) setMask(QRegion(outline(body(), tailX()).toFillPolygon().toPolygon()));
    update();
}

double SpeechBalloon::tailX() const {
    return std::clamp(double(figure_.center().x() - x()), 20.0, width() - 20.0);
}

QRectF SpeechBalloon::body() const { return QRectF(1, 1, width() - 2, height() - kTail - 2); }

void SpeechBalloon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(kInk, 1.6));
    painter.setBrush(kPaper);
    painter.drawPath(outline(body(), tailX()));
    painter.setPen(kInk);
    painter.drawText(body().adjusted(kPadding, kPadding, -kPadding, -kPadding),
                     Qt::TextWordWrap | Qt::AlignCenter, text_);
}

}  // namespace tawen
