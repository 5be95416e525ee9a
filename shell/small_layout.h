#pragma once

#include <QPoint>

// Where the small window puts its two texts and its strip, and how wide it
// grows for them: arithmetic on widths in twips, apart from any widget.
namespace tawen {

inline constexpr int kSmallMargin = 60;    // before the first text, and after the strip
inline constexpr int kStripPlaying = 525;  // pause and read again
inline constexpr int kStripPaused = 1065;  // and previous and next
inline constexpr int kStripHeight = 270;

// How much taller than the design's a line of our 宋体 stands: every row
// grows by it, so no text is cut off.
int rowGrowth(int lineHeightTwips);

class SmallLayout {
  public:
    SmallLayout(bool oneRow, int rowGrowth) : oneRow_(oneRow), rowGrowth_(rowGrowth) {}

    int height() const;
    int secondRowTop() const;
    // The second text beside the first in one row, under it in two.
    QPoint secondTextAt(QPoint firstAt, int firstWidth) const;
    // The width that fits the texts as just shown; together: both at once,
    // else the first alone, the second still to come.
    int fittedWidth(bool together, int first, int second) const;
    // The width once the second text has come out; the window does not
    // shrink meanwhile.
    int widenedWidth(int current, int first, int second) const;
    QPoint stripAt(int windowWidth, int stripWidth) const;

  private:
    bool oneRow_;
    int rowGrowth_;
};

}  // namespace tawen
