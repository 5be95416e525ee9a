#include <QDir>
#include <QTest>

#include "fakes/file_size_limit.h"
#include "fakes/recording_prompt.h"
#include "fakes/temp_root.h"
#include "platform/clock.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "shell/session.h"
#include "study/score_log.h"
#include "study/score_record.h"

using namespace tawen;

namespace {

// A record of the n-th test of a morning: one minute apart, results that differ.
QString morningRecord(int n) {
    return QStringLiteral("2024/5/3#9:%1:00#大学四级英语#%2#%3")
        .arg(n, 2, 10, QLatin1Char('0'))
        .arg(20 + n)
        .arg(60 + n);
}

// The value stored under the key of the mode's section in the owner's file,
// read as any reader of the file would.
QString storedValue(const QString& owner, const QString& mode, const QString& key) {
    return platform::readIniValue(scoreLogPath(owner), mode, key);
}

class FixedClock final : public platform::Clock {
  public:
    explicit FixedClock(QDateTime now) : now_(std::move(now)) {}
    QDateTime now() const override { return now_; }

  private:
    QDateTime now_;
};

}  // namespace

// The score log as the test windows use it when they close: what is kept,
// in which order, under which keys, and that the logs of two modes or two
// learners never meet.
class ScoreLogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempRoot> root_;
    RecordingPrompt* prompt_ = nullptr;

  private slots:
    void init() {
        root_ = std::make_unique<TempRoot>();
        prompt_ = &installRecordingPrompt();
        ScoreOwner = QStringLiteral("bob");
        ScoreMode = QStringLiteral("fxmk");
    }

    void elevenSavesKeepTheLastTen() {
        for (int n = 1; n <= 11; ++n) QVERIFY(SaveScore(morningRecord(n)));

        QStringList expected;
        for (int n = 2; n <= 11; ++n) expected.append(morningRecord(n));
        QCOMPARE(ScoreRecords(), expected);
        QCOMPARE(storedValue("bob", "fxmk", "test1"), morningRecord(11));
        for (int key = 1; key <= 10; ++key)
            QCOMPARE(storedValue("bob", "fxmk", QStringLiteral("test%1").arg(key)),
                     morningRecord(12 - key));
        QCOMPARE(storedValue("bob", "fxmk", "test11"), QString());
        QVERIFY(!ScoreExists(morningRecord(1)));
        QVERIFY(prompt_->messages.isEmpty());
    }

    void theSameRecordTwiceStoresOne() {
        QVERIFY(SaveScore(morningRecord(1)));
        QVERIFY(SaveScore(morningRecord(1)));
        QCOMPARE(ScoreRecords(), QStringList{morningRecord(1)});

        // Known anywhere in the log, not only as the newest.
        for (int n = 2; n <= 5; ++n) QVERIFY(SaveScore(morningRecord(n)));
        QVERIFY(ScoreExists(morningRecord(1)));
        QVERIFY(SaveScore(morningRecord(1)));
        QCOMPARE(ScoreRecords().size(), 5);
        QCOMPARE(storedValue("bob", "fxmk", "test1"), morningRecord(5));

        // Another result within the same second is a test of its own.
        const QString other = QString(morningRecord(5)).replace("#25#", "#26#");
        QVERIFY(!ScoreExists(other));
        QVERIFY(SaveScore(other));
        QCOMPARE(ScoreRecords().size(), 6);
    }

    void modesAndOwnersNeverMix() {
        QVERIFY(SaveScore(morningRecord(1)));
        ScoreMode = QStringLiteral("ggmk");
        QCOMPARE(ScoreRecords(), QStringList());
        QVERIFY(!ScoreExists(morningRecord(1)));
        QVERIFY(SaveScore(morningRecord(1)));  // the same result, in the other mode
        QVERIFY(SaveScore(morningRecord(2)));
        QCOMPARE(ScoreRecords(), (QStringList{morningRecord(1), morningRecord(2)}));

        ScoreMode = QStringLiteral("fxmk");
        QCOMPARE(ScoreRecords(), QStringList{morningRecord(1)});

        ScoreOwner = QStringLiteral("amy");
        QCOMPARE(ScoreRecords(), QStringList());
        QVERIFY(SaveScore(morningRecord(3)));
        QCOMPARE(ScoreRecords(), QStringList{morningRecord(3)});
        QCOMPARE(storedValue("bob", "fxmk", "test1"), morningRecord(1));
        QCOMPARE(storedValue("amy", "ggmk", "test1"), QString());
    }

    void recordsReadBackByKeyNumber() {
        // The file lists its keys in the order they were made (or as a hand
        // edit left them); the log reads them by number.
        root_->write(
            "system/bob.ini",
            platform::encodeText(QStringLiteral("[fxmk]\r\n"
                                                "test3=%3\r\n"
                                                "test10=%10\r\n"
                                                "test2=%2\r\n"
                                                "test1=%1\r\n"
                                                "test9=%9\r\n"
                                                "test4=%4\r\n"
                                                "test8=%8\r\n"
                                                "test5=%5\r\n"
                                                "test7=%7\r\n"
                                                "test6=%6\r\n")
                                     .arg(morningRecord(10), morningRecord(9), morningRecord(8),
                                          morningRecord(7), morningRecord(6), morningRecord(5),
                                          morningRecord(4), morningRecord(3), morningRecord(2),
                                          morningRecord(1))));
        QStringList oldestFirst;
        for (int n = 1; n <= 10; ++n) oldestFirst.append(morningRecord(n));
        QCOMPARE(ScoreRecords(), oldestFirst);

        QVERIFY(SaveScore(morningRecord(11)));
        oldestFirst.removeFirst();
        oldestFirst.append(morningRecord(11));
        QCOMPARE(ScoreRecords(), oldestFirst);
    }

    void anEmptyNewestMeansAnEmptyLog() {
        root_->write("system/bob.ini",
                     platform::encodeText("[fxmk]\r\ntest2=" + morningRecord(1) + "\r\n"));
        QCOMPARE(ScoreRecords(), QStringList());
    }

    void aRecordTypedInWithABareCommaReadsAsItStands() {
        root_->write("system/bob.ini", "[fxmk]\r\ntest1=2024/5/3#9:00:00#Book 1,Unit 2#30#95\r\n");
        QCOMPARE(ScoreRecords(), QStringList{"2024/5/3#9:00:00#Book 1,Unit 2#30#95"});
    }

    void aFailedSaveIsReportedAndKeepsNothing() {
        QDir().mkpath(scoreLogPath("bob"));  // a folder where the store should be
        QVERIFY(!SaveScore(morningRecord(1)));
        QCOMPARE(prompt_->messages.size(), 1);
        QCOMPARE(prompt_->messages[0].title, QStringLiteral("错误提示"));
        QCOMPARE(prompt_->messages[0].text,
                 QStringLiteral("成绩记录保存失败，本次成绩未能记入进步曲线。"));
        QCOMPARE(ScoreRecords(), QStringList());
    }

    void aFullDiskLeavesTheLogAsItWas() {
        for (int n = 1; n <= 3; ++n) QVERIFY(SaveScore(morningRecord(n)));
        const QByteArray before = root_->read("system/bob.ini");
        {
            FileSizeLimit full(before.size() + 20);
            QVERIFY(!SaveScore(morningRecord(4)));
        }
        QCOMPARE(root_->read("system/bob.ini"), before);
        QCOMPARE(prompt_->messages.size(), 1);
        QCOMPARE(prompt_->messages[0].title, QStringLiteral("错误提示"));

        // The lost result does not come back with the next one.
        QVERIFY(!ScoreExists(morningRecord(4)));
        QVERIFY(SaveScore(morningRecord(5)));
        QCOMPARE(ScoreRecords(), (QStringList{morningRecord(1), morningRecord(2), morningRecord(3),
                                              morningRecord(5)}));
    }

    void aRecordIsDatedByTheClock() {
        platform::installClock(
            std::make_unique<FixedClock>(QDateTime(QDate(2024, 5, 3), QTime(14, 5, 9))));
        QCOMPARE(makeScoreRecord(QStringLiteral("大学四级英语"), 32, 85),
                 QStringLiteral("2024/5/3#14:05:09#大学四级英语#32#85"));
        platform::installClock(
            std::make_unique<FixedClock>(QDateTime(QDate(2025, 12, 31), QTime(9, 0, 0))));
        QCOMPARE(makeScoreRecord(QStringLiteral("GRE"), 0, 100),
                 QStringLiteral("2025/12/31#9:00:00#GRE#0#100"));
        platform::installClock(std::make_unique<platform::SystemClock>());
    }

    void recordsSplitIntoTheirFields_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("whole") << "2024/5/3#9:00:00#大学四级英语#32#85"
                               << QStringList{"2024/5/3", "9:00:00", "大学四级英语", "32", "85"}
                               << true;
        QTest::newRow("course holding #")
            << "2024/5/3#9:00:00#C##1#2#32#85"
            << QStringList{"2024/5/3", "9:00:00", "C##1#2", "32", "85"} << true;
        QTest::newRow("fields missing")
            << "2024/5/3#9:00:00#GRE" << QStringList{"2024/5/3", "9:00:00", "GRE", "", ""} << false;
        QTest::newRow("no # at all") << "edited" << QStringList{"edited", "", "", "", ""} << false;
        QTest::newRow("speed not a number")
            << "a#b#c#fast#85" << QStringList{"a", "b", "c", "fast", "85"} << false;
        QTest::newRow("accuracy with %")
            << "a#b#c#32#85%" << QStringList{"a", "b", "c", "32", "85%"} << false;
        QTest::newRow("beyond any whole number")
            << "a#b#c#99999999999#85" << QStringList{"a", "b", "c", "99999999999", "85"} << false;
        QTest::newRow("empty") << "" << QStringList{"", "", "", "", ""} << false;
    }

    void recordsSplitIntoTheirFields() {
        QFETCH(QString, record);
        QFETCH(QStringList, fields);
        QFETCH(bool, drawn);
        const ScoreFields parsed = parseScoreRecord(record);
        QCOMPARE(
            (QStringList{parsed.date, parsed.time, parsed.course, parsed.speed, parsed.accuracy}),
            fields);
        QCOMPARE(scorePoint(parsed).has_value(), drawn);
        if (drawn) {
            QCOMPARE(scorePoint(parsed)->speed, 32);
            QCOMPARE(scorePoint(parsed)->accuracy, 85);
        }
    }
};

QTEST_GUILESS_MAIN(ScoreLogTest)
#include "test_score_log.moc"
