#include <QTest>

#include <limits>

#include "study/play_schedule.h"

using namespace tawen;

// The first-learn timings from the texts of the readings and seconds boxes.
class PlayScheduleTest : public QObject {
    Q_OBJECT

  private slots:
    void periodsComeFromTheBoxes_data() {
        QTest::addColumn<QString>("readings");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<int>("reveal");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("between");
        QTest::addColumn<int>("word");
        constexpr int kMost = std::numeric_limits<int>::max();
        QTest::newRow("2 at 3 s") << "2"
                                  << "3" << 1500 << 1000 << 3000 << 6000;
        QTest::newRow("rounded to the nearest") << "3"
                                                << " 2 " << 1000 << 667 << 2000 << 6000;
        QTest::newRow("fractions") << "1"
                                   << "0.125" << 63 << 42 << 125 << 125;
        QTest::newRow("no numbers count as 0") << "abc"
                                               << "x" << 0 << 0 << 0 << 0;
        QTest::newRow("no readings: no word time") << "0"
                                                   << "3" << 1500 << 1000 << 3000 << 0;
        QTest::newRow("negative stops") << "-2"
                                        << "3" << 1500 << 1000 << 3000 << 0;
        QTest::newRow("past 65535 ms kept") << "20"
                                            << "60" << 30000 << 20000 << 60000 << 1200000;
        QTest::newRow("beyond any timer") << "1e9"
                                          << "1e9" << kMost << kMost << kMost << kMost;
    }

    void periodsComeFromTheBoxes() {
        QFETCH(QString, readings);
        QFETCH(QString, seconds);
        const PlaySchedule schedule(readings, seconds);
        QTEST(schedule.revealDelay(), "reveal");
        QTEST(schedule.firstReading(), "first");
        QTEST(schedule.betweenReadings(), "between");
        QTEST(schedule.wordTime(), "word");
    }

    void aWordIsReadItsNumberOfTimes() {
        const PlaySchedule twice(QStringLiteral("2"), QStringLiteral("3"));
        QVERIFY(twice.reads(1) && twice.reads(2) && !twice.reads(3));
        QVERIFY(!PlaySchedule(QStringLiteral("0"), QStringLiteral("3")).reads(1));
        QVERIFY(!PlaySchedule(QStringLiteral("none"), QStringLiteral("3")).reads(1));
    }
};

QTEST_MAIN(PlayScheduleTest)
#include "test_play_schedule.moc"
