#pragma once

#include <QtGlobal>

#include "library/study_range.h"

// Moving the current word through the range, shared by every study window.
// A step past either end starts again at the other end; what was left of the
// step is not carried over.
namespace tawen {

// Row numbers are signed 16-bit, as everywhere in the word table.
using WordRow = qint16;

// A random stride of 1 to 4 rows: 1, 2 and 3 each three times in ten, 4 once.
int RandomStride();

WordRow StepForward(WordRow row, const StudyRange& range);
WordRow StepBackward(WordRow row, const StudyRange& range);
WordRow JumpForward(WordRow row, const StudyRange& range, int stride = RandomStride());
WordRow JumpBackward(WordRow row, const StudyRange& range, int stride = RandomStride());

}  // namespace tawen
