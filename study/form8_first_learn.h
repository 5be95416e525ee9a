#pragma once

#include <QMainWindow>

#include "agents/word_speaker.h"
#include "library/study_range.h"
#include "shell/settings_section.h"
#include "study/stepping.h"

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

class Navigation;
class UpDown;

// The first-learn window "塔文英语单词 - [初学]": a flashcard player over the
// study range of the library window. Each word shows its English, phonetic
// and Chinese, is read out a set number of times, may hold back one side for
// half an interval, and lists the library's words that begin or end like it.
class Form8 final : public QMainWindow {
    Q_OBJECT
  public:
    Form8();

    Navigation* navigation;

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

    QLabel* StatusPanel1;  // course
    QLabel* StatusPanel2;  // range
    QLabel* StatusPanel3;  // progress

    // The load steps, run by the form registry once the window is known to it.
    void load();

    WordRow currentRow() const { return row_; }
    qint16 readingCount() const { return readings_; }
    const QString& rangeStart() const { return rangeStart_; }
    const QString& rangeEnd() const { return rangeEnd_; }

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

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void declareSettings();
    void applyClickRules();
    StudyRange range() const;
    void showRow();
    void randomBack();
    void nextOrPrevious(bool forward);
    double seconds() const;
    double readingsPerWord() const;
    void speakWord(WordSpeaker::Reading reading);

    QScrollArea* similarArea_;
    WordRow row_ = 0;
    qint16 readings_ = 0;
    QString rangeStart_;
    QString rangeEnd_;
    WordSpeaker speaker_;
    SettingsSection settings_;
};

}  // namespace tawen
