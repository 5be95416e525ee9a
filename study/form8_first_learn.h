#pragma once

#include "agents/word_speaker.h"
#include "study/study_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace platform {
class WindowTimer;
}

namespace tawen {

class PlaySchedule;
class UpDown;

// The first-learn window "塔文英语单词 - [初学]": a flashcard player over the
// study range of the library window. Each word shows its English, phonetic
// and Chinese, is read out a set number of times, may hold back one side for
// half an interval, and lists the library's words that begin or end like it.
class Form8 final : public StudyWindow {
    Q_OBJECT
  public:
    Form8();

    QLabel* Label1;         // "英文："
    QLineEdit* Text1;       // the English word
    QLabel* Label3;         // its phonetic
    QLabel* Label2;         // "中文："
    QPlainTextEdit* Text2;  // the Chinese meaning
    QLabel* Label11;        // "相似："
    QLabel* Label6;         // the similar words, one per line

    QCheckBox* Check1;      // 英语发音
    QCheckBox* Check6;      // 打乱词序
    QCheckBox* Check2;      // 显示英文
    QCheckBox* Check3;      // 显示中文
    QCheckBox* Check4;      // 显示相似
    QCheckBox* Check5;      // 同时出现
    QRadioButton* Option1;  // 缓出中文
    QRadioButton* Option2;  // 缓出英文

    QLineEdit* Text4;  // readings per word
    UpDown* UpDown1;
    QLineEdit* Text3;  // seconds per reading
    UpDown* UpDown2;

    QPushButton* Command6;  // 播放 / 暂停
    QPushButton* Command7;  // 下一词
    QPushButton* Command8;  // 上一词
    QPushButton* Command3;  // 复读
    // Never seen: the steps the visible buttons invoke.
    QPushButton* Command1;  // plain step back
    QPushButton* Command2;  // plain step forward
    QPushButton* Command5;  // random step forward

    platform::WindowTimer* Timer2;  // delayed reveal
    platform::WindowTimer* Timer3;  // readings
    platform::WindowTimer* Timer4;  // automatic advance

    // The load steps, run by the form registry once the window is known to it.
    void load();

    qint16 readingCount() const { return readings_; }

    // Click rules of the options.
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();

    void Command1_Click();  // plain back
    void Command2_Click();  // plain forward
    void Command5_Click();  // random forward
    void Command3_Click();  // 复读
    void Command6_Click();  // 播放 / 暂停
    void Command7_Click();  // 下一词
    void Command8_Click();  // 上一词

    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // The English box changed: progress panel and similar words.
    void Text1_Change();

  private:
    void buildControls();
    void declareSettings();
    void applyClickRules();
    void showRow();
    void nextOrPrevious(bool forward);
    PlaySchedule schedule() const;
    void speakWord(WordSpeaker::Reading reading);

    QScrollArea* similarArea_;
    qint16 readings_ = 0;
    bool playing_ = false;  // 播放 pressed, 暂停 not yet
    WordSpeaker speaker_;
};

}  // namespace tawen
