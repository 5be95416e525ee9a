#include "shell/window_dragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tawen {

WindowDragger::WindowDragger(QWidget& surface) : QObject(&surface), surface_(surface) {
    surface.installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &surface_) return false;
    QWidget* window = surface_.window();
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            // The window system moves the window itself where it can: the
            // only way on Wayland, where a window cannot place itself.
            if (window->windowHandle() && window->windowHandle()->startSystemMove()) return true;
            dragging_ = true;
            grabbedAt_ = mouse->globalPosition().toPoint() - window->pos();
            return true;
        }
        case QEvent::MouseMove:
            if (!dragging_) return false;
            window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - grabbedAt_);
            return true;
        case QEvent::MouseButtonRelease:
            if (!dragging_) return false;
            dragging_ = false;
            return true;
        default:
            return false;
    }
}

}  // namespace tawen
