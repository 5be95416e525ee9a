#pragma once

#include <QCursor>
#include <QPixmap>

// The review window's own pictures: the marks beside an answer and the
// pointers over the answers.
namespace tawen {

// 32 × 32 px, the size of the mark beside an answer.
QPixmap rightMark();  // a green tick
QPixmap wrongMark();  // a red cross

QCursor answerPointer();   // over an answer
QCursor pressedPointer();  // while a button is held over an answer

}  // namespace tawen
