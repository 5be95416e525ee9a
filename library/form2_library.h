#pragma once

#include <QMainWindow>

#include <optional>

#include "library/study_range.h"
#include "library/word_table.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;

namespace tawen {

class Navigation;
enum class Mode;

// The library window "塔文英语单词 - [词库]": the learner chooses a course and
// the range of words to study. It owns the word table and the range that
// every study window reads, and stays loaded (hidden) while they run.
class Form2 final : public QMainWindow {
    Q_OBJECT
  public:
    Form2();

    Navigation* navigation;
    QListWidget* List1;
    WordTable* words;  // the model the grid shows
    QTableView* MSFlexGrid1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* StatusPanel1;
    QLabel* StatusPanel2;
    QLabel* Label1;
    QLineEdit* Text3;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;

    // Working fields the saving steps fill: the list position, the course
    // name and the whole flag that are stored.
    QString Text2;
    QString Text4;
    QString Text5;

    // The range in the boxes Text3 and Text1, as every reader takes it.
    StudyRange studyRange() const;

    // "课程：<name> (<first>-<last>)", the main window's course line.
    QString courseLine() const;

    // The load steps, run by the form registry once the window is known to it.
    void load();

    void List1_Click(int row);
    void Option1_Click();
    void Option2_Click();
    void MSFlexGrid1_MouseUp();
    // 初记单词: the review quiz, without saving the choice first.
    void Command1_Click();
    void Command2_Click();  // 回忆单词: the consolidation test
    void Command3_Click();
    void SaveLibraryChoice();

    // Lists the row "用户个人生词库" after the courses, or takes it away, as
    // the personal library has just been saved with words or without. A shown
    // row that is chosen loads the library afresh; a removed row that was
    // chosen gives way to the first course.
    void showPersonalLibraryRow(bool shown);

  signals:
    // A course has been loaded; the main window shows who studies what.
    void courseChosen(const QString& courseLine);
    // The course line "课程：<name> (<first>-<last>)" has changed.
    void courseLineChanged(const QString& courseLine);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Grid rows from 1: where the learner's selection began and where it ended.
    struct GridSpan {
        int began;
        int ended;
    };

    void buildControls();
    // The stored 序号, kept to a row the list has.
    int savedListPosition() const;
    void restoreSavedRange();
    void highlightChosenCourse();
    void takeWholeCourse();
    void unlockRange(bool part);
    void leaveFor(Mode target);
    std::optional<GridSpan> highlightedSpan() const;
    void selectGridRows(int from, int to);
    void showRange();
    int clampedRow(const QString& text) const;

    int chosenRow_ = -1;  // the course list row whose words the table holds
};

}  // namespace tawen
