#include <QTest>

#include <array>

#include "fakes/scripted_random.h"
#include "library/word_table.h"
#include "study/review_rules.h"

using namespace tawen;

namespace {

// r values that give each random stride (1 to 4 rows).
constexpr double kStride1 = 0.05;
constexpr double kStride2 = 0.35;
constexpr double kStride3 = 0.65;
constexpr double kStride4 = 0.95;

// A library of n words "w1" … "wn" meaning "义1" … "义n".
QList<WordEntry> library(int n) {
    QList<WordEntry> entries;
    for (int i = 1; i <= n; ++i)
        entries.append({QStringLiteral("w%1").arg(i), QStringLiteral("义%1").arg(i),
                        QStringLiteral("/w%1/").arg(i)});
    return entries;
}

void scriptStrides(QList<double> strides) {
    platform::installRandom(std::make_unique<ScriptedRandom>(std::move(strides)));
}

}  // namespace

// The review quiz's rules without its window: where the right answer goes
// and where the wrong ones come from.
class ReviewRulesTest : public QObject {
    Q_OBJECT

    WordTable words_;

  private slots:
    void cleanup() { platform::installRandom(std::make_unique<platform::SystemRandom>()); }

    void theRightAnswerFallsOnAThreeThreeTwoTwoSplit() {
        // Every tenth of the unit interval, finely spread: exactly the split.
        std::array<int, 4> counts{};
        constexpr int kSteps = 10000;
        for (int i = 0; i < kSteps; ++i) ++counts[answerSlotFor((i + 0.5) / kSteps)];
        QCOMPARE(counts, (std::array<int, 4>{3000, 3000, 2000, 2000}));

        // Drawn as the quiz draws them, over many questions.
        std::array<int, 4> drawn{};
        constexpr int kQuestions = 40000;
        for (int i = 0; i < kQuestions; ++i) ++drawn[AnswerSlot()];
        const std::array<double, 4> expected = {0.3, 0.3, 0.2, 0.2};
        for (int slot = 0; slot < 4; ++slot)
            QVERIFY2(qAbs(double(drawn[slot]) / kQuestions - expected[slot]) < 0.015,
                     qPrintable(QStringLiteral("slot %1: %2").arg(slot).arg(drawn[slot])));
    }

    void wrongAnswersWalkTheWholeTableInStrides() {
        words_.setWords(library(10));
        DistractorWalk walk;
        QCOMPARE(walk.row(), WordRow(0));
        scriptStrides({kStride3, kStride4, kStride2, kStride2, kStride3});
        QCOMPARE(walk.next(words_, "w1", false).word, QStringLiteral("w3"));
        QCOMPARE(walk.next(words_, "w1", false).meaning, QStringLiteral("义7"));
        QCOMPARE(walk.next(words_, "w1", false).phonetic, QStringLiteral("/w9/"));
        // Past the last row: a fresh stride from the top.
        QCOMPARE(walk.next(words_, "w1", false).word, QStringLiteral("w3"));
        QCOMPARE(walk.row(), WordRow(3));
    }

    void theCurrentWordGivesWayToTheRowAfterIt() {
        words_.setWords(library(10));
        DistractorWalk walk;
        scriptStrides({kStride4, kStride1, kStride1});
        QCOMPARE(walk.next(words_, "w4", false).word, QStringLiteral("w5"));
        // The walk itself stays on the current word's row and goes on from there.
        QCOMPARE(walk.row(), WordRow(4));
        QCOMPARE(walk.next(words_, "w4", false).word, QStringLiteral("w5"));
        QCOMPARE(walk.row(), WordRow(5));
        // The comparison is exact: another letter case is another word.
        QCOMPARE(walk.next(words_, "W6", false).word, QStringLiteral("w6"));
    }

    void theCurrentWordOnTheLastRowGivesWayToRowOne() {
        words_.setWords(library(10));
        DistractorWalk walk;
        scriptStrides({kStride4, kStride4, kStride2});
        walk.next(words_, "w10", false);
        walk.next(words_, "w10", false);
        const WordEntry wrong = walk.next(words_, "w10", false);
        QCOMPARE(walk.row(), WordRow(10));
        QCOMPARE(wrong, (WordEntry{"w1", "义1", "/w1/"}));
    }

    void thePersonalLibraryIsWalkedAsItIs() {
        words_.setWords(library(5));
        DistractorWalk walk;
        scriptStrides({kStride2, kStride3, kStride3});
        // The current word itself may come back as a wrong answer.
        QCOMPARE(walk.next(words_, "w2", true).word, QStringLiteral("w2"));
        QCOMPARE(walk.next(words_, "w2", true).word, QStringLiteral("w5"));
        // Past the end: row 1, without a fresh draw.
        auto& random = static_cast<ScriptedRandom&>(platform::random());
        const int drawsBefore = random.draws;
        QCOMPARE(walk.next(words_, "w2", true).word, QStringLiteral("w1"));
        QCOMPARE(random.draws - drawsBefore, 1);
    }

    void shortLibrariesNeverLeaveTheTable_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("one word") << 1;
        QTest::newRow("two words") << 2;
        QTest::newRow("three words") << 3;
    }

    void shortLibrariesNeverLeaveTheTable() {
        QFETCH(int, size);
        words_.setWords(library(size));
        // Every stride, the long ones most: fresh strides past a short table
        // and current words on its last row.
        for (const double r : {kStride4, kStride3, kStride2, kStride1}) {
            for (int current = 1; current <= size; ++current) {
                DistractorWalk walk;
                scriptStrides({r});
                const QString word = QStringLiteral("w%1").arg(current);
                for (int question = 0; question < 12; ++question) {
                    for (const bool personal : {false, true}) {
                        const WordEntry wrong = walk.next(words_, word, personal);
                        QVERIFY(walk.row() >= 1 && walk.row() <= size);
                        QVERIFY2(!wrong.word.isEmpty() && !wrong.meaning.isEmpty(),
                                 qPrintable(QStringLiteral("row %1").arg(walk.row())));
                        if (!personal && size > 1) QVERIFY(wrong.word != word);
                    }
                }
            }
        }
    }

    void anEmptyTableOffersNothing() {
        words_.setWords(QList<WordEntry>{});
        DistractorWalk walk;
        QCOMPARE(walk.next(words_, "w1", false), WordEntry{});
        QCOMPARE(walk.row(), WordRow(0));
    }
};

QTEST_GUILESS_MAIN(ReviewRulesTest)
#include "test_review_rules.moc"
