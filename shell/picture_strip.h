#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPoint>

#include <functional>

// The small window's strip of picture buttons: its pictures and the buttons
// that act as soon as they are pressed.
namespace tawen {

inline constexpr QColor kTickerTeal(0, 128, 128);      // the texts and the pictures
inline constexpr QColor kTickerRim(0x8c, 0xbf, 0xbf);  // the window's rim and the pictures' faces
inline constexpr int kPictureSize = 240;               // twips

enum class StripPicture { Pause, Play, Previous, Next, Repeat };

QPixmap stripPicture(StripPicture which);

// A picture of the strip that acts as soon as it is pressed and sinks a
// little while it is held.
class PictureButton final : public QLabel {
  public:
    // homeTwips: its place in the strip.
    PictureButton(QWidget* strip, QPoint homeTwips, const QString& tip, const QPixmap& face,
                  std::function<void()> action);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The strip may hide while a picture is held down.
    void hideEvent(QHideEvent* event) override;

  private:
    QPoint home_;
    std::function<void()> action_;
};

}  // namespace tawen
