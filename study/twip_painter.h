#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace tawen {

// Draws on a picture whose layout is measured in twips, 15 to a pixel, the
// way the statistics window's geometry is given. Lines and points are drawn
// without smoothing so each lands on the pixel its twips name.
class TwipPainter {
  public:
    // The height of one printed line: 12 pixels, the line of a 9-point face.
    static constexpr int kLineHeight = 180;

    explicit TwipPainter(QPainter& painter);

    void line(QPoint from, QPoint to, const QColor& colour);
    void polyline(const QList<QPoint>& points, const QColor& colour);
    void dot(QPoint centre, int radius, const QColor& colour);

    // Prints text in the line that starts at top-left `at` and returns the x
    // where the text ends. The text sits in the middle of its line whatever
    // the face's own ascent, so labels keep their places on any system.
    int print(QPoint at, const QString& text, const QColor& colour = Qt::black);

    // How wide the text prints, in twips.
    int width(const QString& text) const;

    // Fills the picture of the given size with its background.
    void clear(QSize twips);

  private:
    QPainter& painter_;
};

}  // namespace tawen
