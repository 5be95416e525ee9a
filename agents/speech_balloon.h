#pragma once

#include <QTimer>
#include <QWidget>

namespace tawen {

// The balloon over a character's head with the words it says. It follows
// the figure, stays on the screen, and goes a moment after the words end,
// so the learner can finish reading.
class SpeechBalloon final : public QWidget {
    Q_OBJECT

  public:
    SpeechBalloon();

    void say(const QString& text, const QString& face);
    // The words are over: the balloon stays a moment longer.
    void linger();
    void dismiss();
    const QString& text() const { return text_; }

    // Puts the balloon's point just above the figure whose window is `figure`.
    void placeOver(const QRect& figure);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF body() const;
    double tailX() const;  // where the point leaves the balloon

    QString text_;
    QTimer lingering_;
    QRect figure_;
    bool cutToShape_;
};

}  // namespace tawen
