#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace tawen {

// The about window: the welcome line and the title are typed out, scroll up
// and give way to a cycle of phrases whose colour pulses, while the two link
// labels slide in from the right. Opened modally with exec(); each opening
// plays the animation from the start.
class Form12 final : public QDialog {
    Q_OBJECT
  public:
    explicit Form12(QWidget* parent = nullptr);

    QLabel* Label1;  // the animated text
    QLabel* Label3;  // link 学习主页
    QLabel* Label4;  // link 与我联系
    QTimer* Timer1;  // typing and scrolling
    QTimer* Timer2;  // phrase cycle

    void Timer1_Timer();
    void Timer2_Timer();
    void Label3_MouseDown();
    void Label3_MouseUp();
    void Label4_MouseDown();
    void Label4_MouseUp();
    void Form_MouseMove();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void moveLabel1To(int topTwips);
    void slideLinks();

    int typingStep_ = 0;
    int cycle_ = 0;
    int phase_ = 0;  // the colour phase v, 0 to 510
    int label1Top_;  // positions kept in twips, as the steps are counted in them
    int label3Left_;
    int label4Left_;
};

}  // namespace tawen
