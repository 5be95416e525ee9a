#pragma once

#include <QPointer>
#include <QString>

#include "library/study_range.h"
#include "library/word_table.h"
#include "study/stepping.h"

namespace tawen {

// Where a study window stands in the study range: the range in order, the
// current row, the steps through it, and the cells of the current row. It
// starts one row before the first, so the first step forward lands on it.
class WordCursor {
  public:
    WordCursor() = default;
    WordCursor(const WordTable& words, StudyRange range);

    const StudyRange& range() const { return range_; }
    WordRow row() const { return row_; }

    void stepForward() { row_ = StepForward(row_, range_); }
    void stepBackward() { row_ = StepBackward(row_, range_); }
    void jumpForward() { row_ = JumpForward(row_, range_); }
    void jumpBackward() { row_ = JumpBackward(row_, range_); }
    // A random stride when shuffled, else one row.
    void forward(bool shuffled) { shuffled ? jumpForward() : stepForward(); }
    void backward(bool shuffled) { shuffled ? jumpBackward() : stepBackward(); }

    // The current row's cells; empty before the first step, on the header
    // row and once the table is gone.
    QString word() const { return cell(1); }
    QString meaning() const { return cell(2); }
    QString phonetic() const { return cell(3); }

  private:
    QString cell(int column) const;

    QPointer<const WordTable> words_;
    StudyRange range_;
    WordRow row_ = 0;
};

}  // namespace tawen
