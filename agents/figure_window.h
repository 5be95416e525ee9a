#pragma once

#include <QPoint>
#include <QWidget>

#include "agents/character_art.h"

namespace tawen {

// The window a character stands in: no frame, above every other window,
// never taking the keyboard, transparent around the figure (by its alpha
// where a compositor blends windows, by a shape cut to the figure where none
// does). The left button drags it; a click says which button and where.
class FigureWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit FigureWindow(const CharacterArt& art);

    void showPose(const Pose& pose);
    const Pose& pose() const { return pose_; }

  signals:
    void clicked(int button, int shift, QPoint global);
    void dragged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const CharacterArt& art_;
    Pose pose_;
    bool cutToShape_;
    QPoint grab_;         // where in the window the left button went down
    bool moved_ = false;  // since it went down
    bool holding_ = false;
};

// The windows a character opens: frameless, on top, never taking the keyboard.
void makeCharacterWindow(QWidget& window);

// Whether the desktop blends transparent windows; where it does not, a window
// must be cut to its shape.
bool desktopBlendsWindows();

}  // namespace tawen
