#pragma once

#include <array>

#include "agents/word_speaker.h"
#include "study/review_rules.h"
#include "study/study_window.h"
#include "study/test_session.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace platform {
class WindowTimer;
}

namespace tawen {

class AnswerLabel;

// The review quiz "塔文英语单词 - [复习]": a word of the study range, or its
// meaning, and four answers A to D, one right and three taken from elsewhere
// in the library. A right answer is ticked and the next question follows; a
// wrong one is crossed and goes into the error table.
class Form1 final : public StudyWindow {
    Q_OBJECT
  public:
    Form1();

    QFrame* Picture1;  // the panel behind the question and answers
    QLabel* Label10;   // "Q"
    QLabel* Label1;    // the question
    AnswerLabel* Label2;
    AnswerLabel* Label3;
    AnswerLabel* Label4;
    AnswerLabel* Label5;
    QLabel* Label6;  // "A"
    QLabel* Label7;  // "B"
    QLabel* Label8;  // "C"
    QLabel* Label9;  // "D"
    QLabel* Image1;  // the tick or the cross beside an answer

    QCheckBox* Check1;      // 打乱词序
    QCheckBox* Check2;      // 读出英文
    QCheckBox* Check3;      // 听声选择
    QCheckBox* Check4;      // 选错复读
    QRadioButton* Option1;  // 中文选项
    QRadioButton* Option2;  // 英文选项

    QPushButton* Command9;   // 上一词
    QPushButton* Command10;  // 下一词
    QPushButton* Command7;   // 错误表
    QPushButton* Command8;   // 进步曲线

    // Never seen: the current word and meaning, the last wrong answer, and
    // the steps the visible controls invoke.
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* Command1;  // plain step back
    QPushButton* Command2;  // plain step forward
    QPushButton* Command3;  // random step back
    QPushButton* Command4;  // random step forward
    QPushButton* Command5;  // one wrong answer
    QPushButton* Command6;  // read the word

    platform::WindowTimer* Timer1;  // builds the next question

    // The load steps, run by the form registry once the window is known to it.
    void load();

    const TestSession& session() const { return session_; }
    WordRow distractorRow() const { return distractors_.row(); }
    // The answer label that holds the right answer.
    AnswerLabel* rightAnswer() const;

    // An answer clicked: 0 to 3 for Label2 to Label5.
    void answer(int which);

    void Check1_Click();
    void Check3_Click();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();   // MakeDistractor
    void Command6_Click();   // SpeakWord
    void Command7_Click();   // 错误表
    void Command8_Click();   // 进步曲线
    void Command9_Click();   // 上一词
    void Command10_Click();  // 下一词

    void Timer1_Timer();
    // The current word changed: one more word shown.
    void Text1_Change();

  protected:
    void finishing() override;

  private:
    void buildControls();
    void placeControls();
    void declareSettings();
    void showRow();
    void buildQuestion();
    void nextQuestionAt(int milliseconds);
    void speakWord();

    std::array<AnswerLabel*, 4> answers_;
    DistractorWalk distractors_;
    TestSession session_;
    WordSpeaker speaker_;
};

}  // namespace tawen
