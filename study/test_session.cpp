#include "study/test_session.h"

#include <QLabel>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <limits>

#include "library/form4_error_table.h"
#include "library/test_summary.h"
#include "platform/clock.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "study/form10_statistics.h"
#include "study/score_log.h"
#include "study/score_record.h"

namespace tawen {

double wordsPerMinute(int wordsShown, double seconds) {
    return wordsShown / std::max(seconds, 1.0) * 60;
}

int recordedAccuracy(int words, int errors) {
    if (words <= 0) return 0;
    return int(std::lround(std::max(0.0, double(words - errors) / words * 100)));
}

void TestSession::begin(const QString& scoreMode, const StudyRange& range) {
    forms().form<Form4>().clearMisses();
    started_ = platform::clock().steadyMilliseconds();
    words_ = std::abs(range.last - range.first) + 1;
    ScoreMode = scoreMode;
    ScoreOwner = CurrentUser;
}

void TestSession::wordShown() {
    if (shown_ < std::numeric_limits<qint16>::max()) ++shown_;
}

double TestSession::elapsedSeconds() const {
    // The steady count, not the time of day: a test that runs past midnight
    // or over a change of the clock still lasts as long as it did.
    return (platform::clock().steadyMilliseconds() - started_) / 1000.0;
}

int TestSession::errors() const { return forms().form<Form4>().ListView1->topLevelItemCount(); }

void TestSession::recordMiss(const WordEntry& entry) const { forms().form<Form4>().addMiss(entry); }

void TestSession::showErrorTable() const {
    Form4& table = forms().form<Form4>();
    table.Label1->setText(testSummaryText(words_, errors(), speed()));
    table.exec();
}

void TestSession::showStatistics() { showScoreStatistics(); }

void TestSession::finish() {
    const int speedFigure = int(std::lround(speed()));
    SaveScore(makeScoreRecord(CurrentCourseName, speedFigure, recordedAccuracy(words_, errors())));
    if (errors() > 0) showErrorTable();
    shown_ = 0;
}

}  // namespace tawen
