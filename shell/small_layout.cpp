#include "shell/small_layout.h"

#include <algorithm>

namespace tawen {

namespace {

constexpr int kDesignLine = 210;  // a line of 宋体 10.5 pt, which the rows were laid out for
constexpr int kSecondRowTop = 360;
constexpr int kTextGap = 158;  // between the two texts of one row
constexpr int kNarrowest = 2800;
constexpr int kFitMargin = 188;      // added to the widest text
constexpr int kOneRowMargins = 300;  // added to both texts of one row
constexpr int kOneRowHeight = 350;
constexpr int kTwoRowHeight = 680;
constexpr int kStripTopOneRow = 30;

}  // namespace

int rowGrowth(int lineHeightTwips) { return std::max(0, lineHeightTwips - kDesignLine); }

int SmallLayout::height() const {
    return oneRow_ ? kOneRowHeight + rowGrowth_ : kTwoRowHeight + 2 * rowGrowth_;
}

int SmallLayout::secondRowTop() const { return kSecondRowTop + rowGrowth_; }

QPoint SmallLayout::secondTextAt(QPoint firstAt, int firstWidth) const {
    if (oneRow_) return {firstAt.x() + firstWidth + kTextGap, firstAt.y()};
    return {kSmallMargin, secondRowTop()};
}

int SmallLayout::fittedWidth(bool together, int first, int second) const {
    if (oneRow_) {
        if (together) return std::max(first + second + kOneRowMargins, kNarrowest);
        return first > kNarrowest ? first + kFitMargin : kNarrowest;
    }
    if (first > kNarrowest || second > kNarrowest) return std::max(first, second) + kFitMargin;
    return kNarrowest;
}

int SmallLayout::widenedWidth(int current, int first, int second) const {
    if (oneRow_) {
        const int both = first + second + kOneRowMargins;
        return both > kNarrowest ? both : current;
    }
    return second > kNarrowest && second > first ? second + kFitMargin : current;
}

QPoint SmallLayout::stripAt(int windowWidth, int stripWidth) const {
    return {windowWidth - stripWidth - kSmallMargin, oneRow_ ? kStripTopOneRow : secondRowTop()};
}

}  // namespace tawen
