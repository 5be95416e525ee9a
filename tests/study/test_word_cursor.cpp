#include <QTest>

#include <memory>

#include "fakes/fixed_random.h"
#include "library/word_table.h"
#include "platform/random_source.h"
#include "study/word_cursor.h"

using namespace tawen;

class WordCursorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WordTable> words_;

  private slots:
    void init() {
        words_ = std::make_unique<WordTable>();
        words_->setWords({{"apple", "苹果", "[ˈæpl]"},
                          {"bread", "面包", "[bred]"},
                          {"cheese", "奶酪", "[tʃiːz]"},
                          {"dates", "枣", "[deɪts]"},
                          {"eggs", "蛋", "[eɡz]"}});
    }

    void cleanup() { platform::installRandom(std::make_unique<platform::SystemRandom>()); }

    // A range dragged upwards is put in order; the cursor waits one row
    // before it, so the first step forward shows its first word and the
    // first step back its last.
    void walksTheRangeInOrderReadingTheCurrentRow() {
        WordCursor cursor(*words_, {4, 2});
        QCOMPARE(cursor.range().first, 2);
        QCOMPARE(cursor.range().last, 4);
        QCOMPARE(cursor.row(), WordRow(1));
        QCOMPARE(cursor.word(), QStringLiteral("apple"));

        cursor.forward(false);
        QCOMPARE(cursor.row(), WordRow(2));
        QCOMPARE(cursor.word(), QStringLiteral("bread"));
        QCOMPARE(cursor.meaning(), QStringLiteral("面包"));
        QCOMPARE(cursor.phonetic(), QStringLiteral("[bred]"));
        cursor.backward(false);
        QCOMPARE(cursor.word(), QStringLiteral("dates"));

        // r = 0.5 is a stride of 2.
        platform::installRandom(std::make_unique<FixedRandom>(0.5));
        cursor.backward(true);
        QCOMPARE(cursor.word(), QStringLiteral("bread"));
        cursor.forward(true);
        QCOMPARE(cursor.word(), QStringLiteral("dates"));
        cursor.forward(true);
        QCOMPARE(cursor.word(), QStringLiteral("bread"));  // past the end: the first
    }

    // No cell of the header row, of no row yet, or of a table that is gone.
    void readsNothingWhereThereIsNoWord() {
        WordCursor cursor(*words_, {0, 2});
        QCOMPARE(cursor.word(), QString());
        cursor.stepForward();
        QCOMPARE(cursor.row(), WordRow(0));
        QCOMPARE(cursor.word(), QString());
        QCOMPARE(cursor.meaning(), QString());
        cursor.stepForward();
        QCOMPARE(cursor.word(), QStringLiteral("apple"));
        words_.reset();
        QCOMPARE(cursor.word(), QString());
        QCOMPARE(WordCursor().word(), QString());
    }
};

QTEST_MAIN(WordCursorTest)
#include "test_word_cursor.moc"
