#include <QTest>

#include "library/word_table.h"
#include "study/similar_words.h"

using namespace tawen;

namespace {

QString line(const WordEntry& entry) { return entry.word + "     " + entry.meaning + "  "; }

const WordEntry station{"station", "车站", "[ˈsteɪʃən]"};
const WordEntry state{"state", "状态", "[steɪt]"};
const WordEntry nation{"nation", "国家", "[ˈneɪʃən]"};
const WordEntry stone{"stone", "石头", "[stəʊn]"};
const WordEntry action{"action", "行动", "[ˈækʃən]"};
const WordEntry start{"start", "开始", "[stɑːt]"};

}  // namespace

// The list beside the word: words of the whole library sharing its first three
// letters, then those sharing its last three.
class SimilarWordsTest : public QObject {
    Q_OBJECT

  private slots:
    void firstThreeLettersThenLastThree() {
        const QList<WordEntry> words{station, state, nation, stone, action, start};
        QCOMPARE(SimilarWords("station", words),
                 line(state) + '\n' + line(start) + '\n' + line(nation) + '\n' + line(action));
    }

    void aWordMatchingBothPassesIsListedTwice() {
        const WordEntry ratification{"ratification", "批准", ""};
        const QList<WordEntry> words{ratification, {"ration", "定量", ""}, {"rat", "鼠", ""}};
        QCOMPARE(SimilarWords("ration", words),
                 line(ratification) + '\n' + line(words[2]) + '\n' + line(ratification));
    }

    void theWordItselfIsNeverListedEvenTwice() {
        const QList<WordEntry> words{station, station, state};
        QCOMPARE(SimilarWords("station", words), line(state));
    }

    void aWordUnderThreeLettersHasNoSimilarWords_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("two letters") << "am";
        QTest::newRow("one letter") << "I";
        QTest::newRow("nothing") << "";
    }

    void aWordUnderThreeLettersHasNoSimilarWords() {
        QFETCH(QString, word);
        const QList<WordEntry> words{
            {"am", "是", ""},   {"ample", "充足的", ""}, {"ham", "火腿", ""},
            {"I", "我", ""},    {"Ice", "冰", ""},       {"", "", ""},
            {"hi", "你好", ""},
        };
        QCOMPARE(SimilarWords(word, words), QString());
    }

    void lettersMustMatchInCase() {
        const WordEntry capital{"Station", "车站", ""};
        const QList<WordEntry> words{capital, {"STATE", "州", ""}, state};
        // "Sta" is not "sta", but "Station" ends as "station" does.
        QCOMPARE(SimilarWords("station", words), line(state) + '\n' + line(capital));
    }

    void noMatchGivesAnEmptyList() {
        QCOMPARE(SimilarWords("zebra", QList<WordEntry>{station, state}), QString());
        QCOMPARE(SimilarWords("station", QList<WordEntry>{}), QString());
    }

    void theTableGivesTheSameListAsItsWords() {
        const QList<WordEntry> words{station, state, nation, stone, action, start};
        WordTable table;
        table.setWords(words);
        QCOMPARE(SimilarWords("station", table), SimilarWords("station", words));
        QCOMPARE(SimilarWords("state", table), line(station) + '\n' + line(start));
    }
};

QTEST_GUILESS_MAIN(SimilarWordsTest)
#include "test_similar_words.moc"
