#include "study/review_rules.h"

#include <algorithm>

#include "platform/random_source.h"

namespace tawen {

int answerSlotFor(double r) {
    // Drawn in single precision, as the slot has always been computed.
    const int slot = std::clamp(int(float(r) * 10), 0, 9);
    if (slot <= 2) return 0;
    if (slot <= 5) return 1;
    return slot <= 7 ? 2 : 3;
}

int AnswerSlot() { return answerSlotFor(platform::random().next()); }

WordEntry DistractorWalk::next(const WordTable& words, const QString& currentWord,
                               bool personalLibrary) {
    const int last = words.wordCount();
    if (last < 1) return {};
    // Where a row would lie past the table, row 1 is taken instead: a
    // library shorter than a fresh stride, or a current word on the last row,
    // still has a word to offer.
    const auto entry = [&words, last](int row) {
        const int inside = row > last ? 1 : row;
        return WordEntry{words.TextMatrix(inside, 1), words.TextMatrix(inside, 2),
                         words.TextMatrix(inside, 3)};
    };

    int row = row_ + RandomStride();
    if (personalLibrary) {
        row_ = WordRow(row > last ? 1 : row);
        return entry(row_);
    }
    if (row > last) row = RandomStride();
    row_ = WordRow(row > last ? 1 : row);
    const WordEntry taken = entry(row_);
    // The current word itself would be a second right answer: the row after
    // it stands in, and the walk goes on from where it was.
    return taken.word == currentWord ? entry(row_ + 1) : taken;
}

}  // namespace tawen
