#include "shell/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tawen {

void centerOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.setSize(window.sizeHint().expandedTo(window.size()));
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace tawen
