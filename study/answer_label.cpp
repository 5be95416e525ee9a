#include "study/answer_label.h"

#include <QMouseEvent>

#include "study/review_pictures.h"

namespace tawen {

AnswerLabel::AnswerLabel(std::function<void()> answer) : answer_(std::move(answer)) {
    setCursor(answerPointer());
}

void AnswerLabel::mousePressEvent(QMouseEvent* event) {
    setCursor(pressedPointer());
    event->accept();
}

void AnswerLabel::mouseReleaseEvent(QMouseEvent* event) {
    setCursor(answerPointer());
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        answer_();
}

}  // namespace tawen
