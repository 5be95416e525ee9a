#include "study/word_cursor.h"

#include <algorithm>

namespace tawen {

WordCursor::WordCursor(const WordTable& words, StudyRange range)
    : words_(&words),
      range_{std::min(range.first, range.last), std::max(range.first, range.last)},
      row_(WordRow(range_.first - 1)) {}

QString WordCursor::cell(int column) const {
    // Row 0 is the table's header: a range reaching it holds no word there.
    return words_ && row_ >= 1 ? words_->TextMatrix(row_, column) : QString();
}

}  // namespace tawen
