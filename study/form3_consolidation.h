#pragma once

#include "agents/word_speaker.h"
#include "study/study_window.h"
#include "study/test_session.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class WindowTimer;
}

namespace tawen {

// The consolidation test "塔文英语单词 - [巩固]": the meaning is shown and the
// word read out every few seconds, the learner types the word and presses
// Enter. Misses earn graded verdicts and hints, and the one that reaches the
// allowed count gives the answer and lists the word in the error table.
class Form3 final : public StudyWindow {
    Q_OBJECT
  public:
    Form3();

    QMenu* mnutool;  // its own tool menu
    QAction* mnuzl;
    QAction* mnudialogue;

    QLabel* Label4;         // "中文："
    QPlainTextEdit* Text1;  // the meaning
    QLabel* Label5;         // "英文："
    QLineEdit* Text2;       // what the learner types
    QLabel* Label6;         // "提示："
    QLabel* Label3;         // line 1: prompt, verdict, praise
    QLabel* Label1;         // line 2: the length, or the meaning before
    QLabel* Label2;         // line 3: the first wrong character

    QCheckBox* Check1;  // 显示中文
    QCheckBox* Check2;  // 打乱次序
    QCheckBox* Check3;  // 英语读音
    QCheckBox* Check4;  // 显示提示
    QLineEdit* Text5;   // 许错遍数
    QLineEdit* Text4;   // 隔读秒数

    QPushButton* Command1;   // 上一词
    QPushButton* Command13;  // 下一词
    QPushButton* Command7;   // 再读一遍
    QPushButton* Command4;   // 帮助解答
    QPushButton* Command12;  // 错误表
    QPushButton* Command8;   // 进步曲线
    // Never seen: the answer and the steps behind the visible buttons.
    QLineEdit* Text3;        // the answer
    QPushButton* Command11;  // 确定, pressed by Enter
    QPushButton* Command3;   // 读词
    QPushButton* Command5;   // random step back
    QPushButton* Command6;   // random step forward

    platform::WindowTimer* Timer1;  // the word read out again

    // The load steps, run by the form registry once the window is known to it.
    void load();

    qint16 missCount() const { return misses_; }
    const TestSession& session() const { return session_; }

    void Check1_Click();
    void Check3_Click();
    void Check4_Click();

    void Command11_Click();  // CheckAnswer
    void Command13_Click();  // 下一词
    void Command1_Click();   // 上一词
    void Command5_Click();
    void Command6_Click();
    void Command3_Click();   // SpeakWord
    void Command7_Click();   // 再读一遍
    void Command4_Click();   // 帮助解答
    void Command12_Click();  // 错误表
    void Command8_Click();   // 进步曲线

    void Timer1_Timer();
    void Text3_Change();

  protected:
    // The score record, and the error table when it holds words.
    void finishing() override { session_.finish(); }
    // Enter anywhere in the window presses 确定, as a default button does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    explicit Form3(QMenu* toolMenu);
    void buildControls();
    void buildToolMenu();
    void declareSettings();

    // StepForward, StepBackward and the random strides; the plain step
    // forward is what first makes 上一词 usable.
    void stepForward();
    void moveOn();
    void moveBy(void (WordCursor::*step)());
    void showRow();
    void afterButtonMove();
    void rightAnswer();
    void wrongAnswer();
    void restartTimer();
    void speakWord(WordSpeaker::Reading reading);
    void selectFrom(int caret);

    qint16 misses_ = 0;
    TestSession session_;
    WordSpeaker speaker_;
};

}  // namespace tawen
