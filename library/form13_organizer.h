#pragma once

#include <QDialog>
#include <QList>

#include "library/word_table.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tawen {

// The organizer "整理个人词库": the learner's own words in a list to add to,
// delete from and put in order, saved to the personal library, exported to a
// backup and imported from one. The list is a working copy: the file changes
// only on 保存. Opened modally with exec(); each opening reads the file afresh.
class Form13 final : public QDialog {
    Q_OBJECT
  public:
    explicit Form13(QWidget* parent = nullptr);

    QTreeWidget* ListView1;  // 单词 and 解释; each item keeps its phonetic unseen
    QPushButton* Command1;   // 增加
    QPushButton* Command2;   // 删除
    QPushButton* Command6;   // 上移
    QPushButton* Command7;   // 下移
    QPushButton* Command3;   // 导入
    QPushButton* Command4;   // 导出
    QPushButton* Command5;   // 保存

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    // The words of the list, in list order.
    QList<WordEntry> listedWords() const;

  private:
    void buildControls();
    void append(const WordEntry& entry);
    void moveSelected(int step);
    void refresh();

    // A library that is there but cannot be read is never saved over.
    bool libraryRead_ = true;
};

}  // namespace tawen
