#include <QTest>

#include "library/test_summary.h"
#include "study/test_session.h"

using namespace tawen;

// The figures a review or consolidation test ends with: its speed, its
// accuracy as the score record keeps it, and both as the summary shows them.
class TestFiguresTest : public QObject {
    Q_OBJECT

  private slots:
    void speedIsWordsAMinuteOverAtLeastOneSecond() {
        QCOMPARE(wordsPerMinute(30, 360), 5.0);
        QCOMPARE(wordsPerMinute(7, 60), 7.0);
        // Closed at once, or within the first second.
        QCOMPARE(wordsPerMinute(1, 0), 60.0);
        QCOMPARE(wordsPerMinute(2, 0.4), 120.0);
        QCOMPARE(wordsPerMinute(0, 0), 0.0);
    }

    void accuracyIsTheShareNotMissedAndNeverBelowNothing() {
        QCOMPARE(recordedAccuracy(60, 3), 95);
        QCOMPARE(recordedAccuracy(60, 0), 100);
        QCOMPARE(recordedAccuracy(3, 1), 67);
        QCOMPARE(recordedAccuracy(8, 1), 88);  // 87.5 rounds up
        // Words added to the error table by hand count as errors as well.
        QCOMPARE(recordedAccuracy(2, 5), 0);
        QCOMPARE(recordedAccuracy(2, 2), 0);
    }

    void theSummaryShowsBothFigures() {
        const QStringList lines = testSummaryText(60, 3, 5).split(u'\n');
        QCOMPARE(lines.mid(0, 4), (QStringList{"共有：60个单词", "错误：3个单词", "正确率：95.00%",
                                               "速度：5个/分钟"}));
        QCOMPARE(testSummaryText(3, 1, 12.5).split(u'\n').mid(2, 2),
                 (QStringList{"正确率：66.67%", "速度：13个/分钟"}));
        // More errors than words: nothing right, never a negative share.
        QCOMPARE(testSummaryText(2, 5, 1).split(u'\n').at(2), QStringLiteral("正确率：0.00%"));
    }
};

QTEST_GUILESS_MAIN(TestFiguresTest)
#include "test_test_figures.moc"
