#pragma once

#include <QString>
#include <QtGlobal>

#include "library/study_range.h"
#include "library/word_table.h"

namespace tawen {

// Words a minute: words shown over the seconds the test ran. Less than a
// second counts as one, so a test closed at once still has a speed.
double wordsPerMinute(int wordsShown, double seconds);

// The share of the range's words not in the error table, as a whole percent
// for the score record. Words added by hand to the table count as errors too,
// so there can be more errors than words: the share then stays at 0.
int recordedAccuracy(int words, int errors);

// The steps the review and consolidation windows share: counting the words
// shown and the time, the error table they fill, the summary it shows, and
// what closing leaves behind (a score record, and the table when it holds
// words). The window's own section and the way back to the main window are
// the study window's closing steps.
class TestSession {
  public:
    // A load step: the score log of this mode and learner becomes current,
    // the error table is emptied and the time starts. range is the study
    // range; its size is the number of words the test covers.
    void begin(const QString& scoreMode, const StudyRange& range);

    // The current word has changed.
    void wordShown();
    // The word order changed: the speed counts from here.
    void restartCount() { shown_ = 0; }
    qint16 wordsShown() const { return shown_; }

    double elapsedSeconds() const;
    double speed() const { return wordsPerMinute(shown_, elapsedSeconds()); }
    int words() const { return words_; }
    // The words in the error table.
    int errors() const;

    // A wrong answer: the word goes into the error table once.
    void recordMiss(const WordEntry& entry) const;

    // "错误表": the summary and the error table over the test window, modal.
    void showErrorTable() const;
    // "进步曲线": the statistics window of this mode.
    static void showStatistics();

    // Closing: the score record, then the error table when it holds words;
    // the count starts again.
    void finish();

  private:
    qint64 started_ = 0;  // steady milliseconds
    qint16 shown_ = 0;
    int words_ = 0;
};

}  // namespace tawen
