#pragma once

#include <QLabel>

#include <functional>

namespace tawen {

// One of the review quiz's four answers: clicked, it answers. Its pointer
// shows when a button is held over it, and the answer counts when the button
// is let go over it, as a click does.
class AnswerLabel final : public QLabel {
  public:
    explicit AnswerLabel(std::function<void()> answer);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::function<void()> answer_;
};

}  // namespace tawen
