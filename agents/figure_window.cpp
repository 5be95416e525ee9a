#include "agents/figure_window.h"

#include <QtGui/qguiapplication_platform.h>
#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <xcb/xcb.h>

namespace tawen {

namespace {

int shiftOf(Qt::KeyboardModifiers keys) {
    return (keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0) |
           (keys & Qt::AltModifier ? 4 : 0);
}

bool x11Blends(xcb_connection_t* connection, int screen) {
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, name.size(), name.constData()), nullptr);
    if (!atom) return false;
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool blends = owner && owner->owner != XCB_NONE;
    free(owner);
    free(atom);
    return blends;
}

constexpr int kDragThreshold = 4;  // pixels before a press becomes a drag

}  // namespace

bool desktopBlendsWindows() {
    // Other platforms (Wayland, and the offscreen one of the tests) always
    // blend by alpha.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && x11->connection() && x11Blends(x11->connection(), 0);
}

void makeCharacterWindow(QWidget& window) {
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                          Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setFocusPolicy(Qt::NoFocus);
}

FigureWindow::FigureWindow(const CharacterArt& art)
    : art_(art), cutToShape_(!desktopBlendsWindows()) {
    makeCharacterWindow(*this);
    setFixedSize(art.size());
}

void FigureWindow::showPose(const Pose& pose) {
    if (pose == pose_) return;
    pose_ = pose;
    if (cutToShape_) setMask(QBitmap::fromImage(art_.render(pose_).createAlphaMask()));
    update();
}

void FigureWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    art_.paint(painter, pose_);
}

void FigureWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        grab_ = event->position().toPoint();
        moved_ = false;
        holding_ = true;
    } else if (event->button() == Qt::RightButton) {
        emit clicked(2, shiftOf(event->modifiers()), event->globalPosition().toPoint());
    }
}

void FigureWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!holding_) return;
    const QPoint offset = event->position().toPoint() - grab_;
    if (!moved_ && offset.manhattanLength() < kDragThreshold) return;
    moved_ = true;
    move(pos() + offset);
    emit dragged();
}

void FigureWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !holding_) return;
    holding_ = false;
    if (!moved_) emit clicked(1, shiftOf(event->modifiers()), event->globalPosition().toPoint());
}

}  // namespace tawen
