#pragma once

#include <QString>

#include "library/word_table.h"
#include "study/stepping.h"

// The review quiz's rules, apart from its window.
namespace tawen {

// Which of the four answer places (0 to 3, A to D) takes the right answer for
// a draw r in [0, 1): A and B three times in ten each, C and D twice.
int answerSlotFor(double r);
// Draws it.
int AnswerSlot();

// The wrong answers of the quiz. They come from the whole word table, not
// only from the study range, and walk through it in random strides of 1 to 4
// rows from where the last one was taken, so the three wrong answers of one
// question are normally three different rows.
class DistractorWalk {
  public:
    // The row the last wrong answer came from; 0 before the first.
    WordRow row() const { return row_; }

    // The next wrong answer for the current word. In a course it is never
    // the current word's own row when the row after it can stand in; the
    // personal library is walked as it is, so a wrong answer may repeat the
    // word there. Past the end of the table the walk starts again near the
    // top, and it never leaves the table.
    WordEntry next(const WordTable& words, const QString& currentWord, bool personalLibrary);

  private:
    WordRow row_ = 0;
};

}  // namespace tawen
