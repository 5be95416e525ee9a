#include "shell/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace tawen {

namespace {

// How much of a window must lie on a screen for the pointer to grab it.
constexpr int kGrip = 8;

bool canGrab(const QRect& window, const QRect& screen) {
    const QRect shown = window.intersected(screen);
    return shown.width() >= kGrip && shown.height() >= kGrip;
}

// The screen whose middle lies closest to the window's middle.
QRect nearestScreen(const QRect& window) {
    QRect nearest;
    int best = std::numeric_limits<int>::max();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const int distance = (area.center() - window.center()).manhattanLength();
        if (distance < best) {
            best = distance;
            nearest = area;
        }
    }
    return nearest;
}

}  // namespace

void centerOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.setSize(window.sizeHint().expandedTo(window.size()));
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void bringBackOnScreen(QWidget& window) {
    const QRect frame(window.pos(), window.size());
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (std::ranges::any_of(screens, [&](const QScreen* screen) {
            return canGrab(frame, screen->availableGeometry());
        }))
        return;
    const QRect area = nearestScreen(frame);
    if (area.isNull()) return;
    // The left and top edges win when the window is larger than the screen.
    const int left =
        std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    window.move(left, top);
}

}  // namespace tawen
