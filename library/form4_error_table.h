#pragma once

#include <QDialog>

#include "library/word_table.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace tawen {

// The error word table "错误单词表": the words missed in a test, each with a
// check box, and the test's summary. 保存 appends the checked words to the
// personal library. The test windows empty it when they load, hand it each
// miss, set the summary into Label1 and show it modally with exec(); it stays
// loaded, hidden, between tests.
class Form4 final : public QDialog {
    Q_OBJECT
  public:
    Form4();

    QTreeWidget* ListView1;  // 单词 and 解释, with check boxes
    QGroupBox* Frame1;
    QLabel* Label1;         // the summary
    QPushButton* Command2;  // 添词
    QPushButton* Command3;  // 保存
    QPushButton* Command1;  // 取消

    // What a test window does when it loads: no words listed.
    void clearMisses();

    // What a test window does for each wrong answer: the word is listed,
    // checked, unless the same word (letters in any case) already is.
    void addMiss(const WordEntry& entry);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  private:
    void buildControls();
    void appendChecked(const WordEntry& entry);
};

}  // namespace tawen
