#include <QTest>

#include "shell/small_beat.h"
#include "shell/small_layout.h"

using namespace tawen;

// The small window's layout and beat as numbers, in twips and milliseconds.
class SmallRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void theWindowIsAsWideAsItsTexts_data() {
        QTest::addColumn<bool>("oneRow");
        QTest::addColumn<bool>("together");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("width");
        QTest::newRow("one row, both fit") << true << true << 1000 << 1000 << 2800;
        QTest::newRow("one row, both with margins") << true << true << 1000 << 2000 << 3300;
        QTest::newRow("one row, first alone fits") << true << false << 2000 << 5000 << 2800;
        QTest::newRow("one row, first alone wide") << true << false << 3000 << 5000 << 3188;
        QTest::newRow("two rows, both fit") << false << true << 2800 << 2700 << 2800;
        QTest::newRow("two rows, first widest") << false << false << 3000 << 1000 << 3188;
        QTest::newRow("two rows, second widest") << false << true << 3000 << 3500 << 3688;
    }

    void theWindowIsAsWideAsItsTexts() {
        QFETCH(bool, oneRow);
        QFETCH(bool, together);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, width);
        QCOMPARE(SmallLayout(oneRow, 0).fittedWidth(together, first, second), width);
    }

    void theSecondTextWidensTheWindowNeverNarrows_data() {
        QTest::addColumn<bool>("oneRow");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("width");
        QTest::newRow("one row, room enough") << true << 1000 << 1000 << 3000;
        QTest::newRow("one row, both with margins") << true << 1500 << 1500 << 3300;
        QTest::newRow("two rows, second fits") << false << 1000 << 2800 << 3000;
        QTest::newRow("two rows, first wider still") << false << 3100 << 3000 << 3000;
        QTest::newRow("two rows, second widest") << false << 2000 << 3000 << 3188;
    }

    void theSecondTextWidensTheWindowNeverNarrows() {
        QFETCH(bool, oneRow);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, width);
        QCOMPARE(SmallLayout(oneRow, 0).widenedWidth(3000, first, second), width);
    }

    // Rows grow with a face taller than the design's line; the strip keeps to
    // the first row, or to the second when there are two.
    void rowsTextsAndStripTakeTheirPlaces() {
        QCOMPARE(rowGrowth(200), 0);
        QCOMPARE(rowGrowth(255), 45);
        const SmallLayout one(true, 45);
        const SmallLayout two(false, 45);
        QCOMPARE(one.height(), 395);
        QCOMPARE(two.height(), 770);
        QCOMPARE(one.secondTextAt({60, 60}, 1000), QPoint(1218, 60));
        QCOMPARE(two.secondTextAt({60, 60}, 1000), QPoint(60, 405));
        QCOMPARE(one.stripAt(3000, 525), QPoint(2415, 30));
        QCOMPARE(two.stripAt(3000, 1065), QPoint(1875, 405));
        QCOMPARE(SmallLayout(false, 0).stripAt(2800, 525), QPoint(2215, 360));
    }

    // Each word is read on each of its beats; the beat after its last brings
    // the next word. The second text comes 0.68 of a beat after the first.
    void eachWordHasItsBeats() {
        BeatCounter counter;
        QList<bool> nextWord;
        for (int beat = 0; beat < 7; ++beat) nextWord << counter.beat(3);
        QCOMPARE(nextWord, QList<bool>({false, false, false, true, false, false, true}));
        BeatCounter single;
        QCOMPARE(QList<bool>({single.beat(1), single.beat(1), single.beat(1)}),
                 QList<bool>({false, true, true}));
        QCOMPARE(SmallBeat{3}.interval(), 3000);
        QCOMPARE(SmallBeat{3}.revealDelay(), 2040);
        QCOMPARE(SmallBeat{5}.revealDelay(), 3400);
    }
};

QTEST_MAIN(SmallRulesTest)
#include "test_small_rules.moc"
