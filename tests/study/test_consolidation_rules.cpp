#include <QTest>

#include "study/consolidation_rules.h"

using namespace tawen;

namespace {

QString answerLine(const char* opening, const QString& answer) {
    return QString::fromUtf8(opening) + QStringLiteral("正确的答案是：") + answer;
}

}  // namespace

class ConsolidationRulesTest : public QObject {
    Q_OBJECT

  private slots:
    // Three allowed: two gentle misses, the answer and the record on the
    // third, then ever sterner lines that record nothing more.
    void threeAllowedMisses() {
        const QString answer = QStringLiteral("apple");
        const QString typed = QStringLiteral("appel");
        const MissVerdict first = judgeMiss(1, 3, true, typed, answer);
        QCOMPARE(first.prompt, QStringLiteral("1.不对啊！再想想。"));
        QVERIFY(first.showLength && first.pointOut && !first.selectAll && !first.record);

        const MissVerdict second = judgeMiss(2, 3, true, typed, answer);
        QCOMPARE(second.prompt, QStringLiteral("1.还是不对！再试一次。"));
        QVERIFY(!second.showLength && second.pointOut && !second.record);

        const MissVerdict third = judgeMiss(3, 3, true, typed, answer);
        QCOMPARE(third.prompt, answerLine("1.连错3次！", answer));
        QVERIFY(!third.showLength && third.pointOut && third.record);

        const MissVerdict fourth = judgeMiss(4, 3, true, typed, answer);
        QCOMPARE(fourth.prompt, answerLine("1.真粗心！又错了！", answer));
        QVERIFY(fourth.pointOut && !fourth.record);

        for (int miss : {5, 6, 40}) {
            const MissVerdict later = judgeMiss(miss, 3, true, typed, answer);
            QCOMPARE(later.prompt, answerLine("1.太糟糕了！发生什么事？", answer));
            QVERIFY(later.pointOut && !later.record);
        }
    }

    void oneAllowedMissGivesTheAnswerAndLengthAtOnce() {
        const MissVerdict verdict =
            judgeMiss(1, 1, false, QStringLiteral("x"), QStringLiteral("apple"));
        QCOMPARE(verdict.prompt, answerLine("1.", QStringLiteral("apple")));
        QVERIFY(verdict.showLength && verdict.record && verdict.selectAll && !verdict.pointOut);
        QCOMPARE(lengthLine(QStringLiteral(" apple ")), QStringLiteral("2.长度为：5字节;"));
    }

    void noAllowedMissScoldsAndNeverRecords() {
        for (int miss : {1, 2, 3}) {
            const MissVerdict verdict =
                judgeMiss(miss, 0, true, QStringLiteral("x"), QStringLiteral("apple"));
            QVERIFY(!verdict.record);
            QVERIFY(verdict.prompt.startsWith(miss == 1 ? QStringLiteral("1.真粗心")
                                                        : QStringLiteral("1.太糟糕了")));
        }
    }

    // Without hints a first miss leaves the input as typed; later misses
    // select it whole. With hints a first miss of another length selects it
    // whole rather than pointing into it.
    void hintsDecideWhatIsSelected() {
        const QString answer = QStringLiteral("apple");
        const MissVerdict plain = judgeMiss(1, 3, false, QStringLiteral("appel"), answer);
        QVERIFY(!plain.showLength && !plain.pointOut && !plain.selectAll);
        const MissVerdict again = judgeMiss(2, 3, false, QStringLiteral("appel"), answer);
        QVERIFY(!again.pointOut && again.selectAll);
        const MissVerdict shorter = judgeMiss(1, 3, true, QStringLiteral("app"), answer);
        QVERIFY(shorter.showLength && !shorter.pointOut && shorter.selectAll);
        const MissVerdict padded = judgeMiss(1, 3, true, QStringLiteral(" appel "), answer);
        QVERIFY(padded.pointOut && !padded.selectAll);
    }

    void everyRowOfTheCharacterHintTable() {
        const QString apple = QStringLiteral("apple");
        const QString Apple = QStringLiteral("Apple");
        // Answer upper: typed lower of the same letter, another lower letter,
        // an upper letter, nothing, something else.
        QCOMPARE(characterHint(1, QStringLiteral("apple"), Apple),
                 QStringLiteral("3.注意区分大小写字母;"));
        QCOMPARE(characterHint(1, QStringLiteral("bpple"), Apple),
                 QStringLiteral("3.第1个字母是：A;"));
        QCOMPARE(characterHint(1, QStringLiteral("Bpple"), Apple),
                 QStringLiteral("3.第1个字母是：A;"));
        QCOMPARE(characterHint(1, QString(), Apple), QStringLiteral("3.第1个字母是：A;"));
        QCOMPARE(characterHint(1, QStringLiteral("苹"), Apple),
                 QStringLiteral("3.第1个字母是：A;"));
        // Answer lower: any upper letter is a matter of case.
        QCOMPARE(characterHint(2, QStringLiteral("aPple"), apple),
                 QStringLiteral("3.注意区分大小写字母;"));
        QCOMPARE(characterHint(2, QStringLiteral("aXple"), apple),
                 QStringLiteral("3.注意区分大小写字母;"));
        QCOMPARE(characterHint(2, QStringLiteral("axple"), apple),
                 QStringLiteral("3.第2个字母是：p;"));
        QCOMPARE(characterHint(2, QStringLiteral("a"), apple), QStringLiteral("3.第2个字母是：p;"));
        QCOMPARE(characterHint(2, QStringLiteral("a-ple"), apple),
                 QStringLiteral("3.第2个字母是：p;"));
        QCOMPARE(characterHint(2, QStringLiteral("aｐple"), apple),
                 QStringLiteral("3.第2个字母是：p;"));
        // Blank, symbol, and past the answer's end.
        QCOMPARE(characterHint(3, QStringLiteral("inspite"), QStringLiteral("in spite")),
                 QStringLiteral("3.注意短语中的空格;"));
        QCOMPARE(characterHint(5, QStringLiteral("well known"), QStringLiteral("well-known")),
                 QStringLiteral("3.注意短语中的符号;"));
        QCOMPARE(characterHint(6, QStringLiteral("apples"), apple),
                 QStringLiteral("3.注意单词的长度。"));
    }

    void theCaretGoesBeforeTheFirstWrongCharacter() {
        const WrongCharacter upper =
            pointAtFirstWrong(QStringLiteral("apple"), QStringLiteral("Apple"));
        QCOMPARE(upper.hint, QStringLiteral("3.注意区分大小写字母;"));
        QCOMPARE(upper.caret, 0);
        const WrongCharacter letter =
            pointAtFirstWrong(QStringLiteral("axple"), QStringLiteral("apple"));
        QCOMPARE(letter.hint, QStringLiteral("3.第2个字母是：p;"));
        QCOMPARE(letter.caret, 1);
        const WrongCharacter blank =
            pointAtFirstWrong(QStringLiteral("inspite"), QStringLiteral("in spite"));
        QCOMPARE(blank.hint, QStringLiteral("3.注意短语中的空格;"));
        QCOMPARE(blank.caret, 2);
        const WrongCharacter longer =
            pointAtFirstWrong(QStringLiteral("apples"), QStringLiteral("apple"));
        QCOMPARE(longer.hint, QStringLiteral("3.注意单词的长度。"));
        QCOMPARE(longer.caret, 5);
    }

    // Past the 23rd character only the rest of the answer is shown, and an
    // answer with nothing left never yields a negative length.
    void pastTheComparedPartTheRestIsShown() {
        const QString head = QStringLiteral("abcdefghijklmnopqrstuvw");  // 23
        const WrongCharacter rest =
            pointAtFirstWrong(head + QStringLiteral("yz"), head + QStringLiteral("xyz"));
        QCOMPARE(rest.hint, QStringLiteral("3.最后部分是：xyz;"));
        QCOMPARE(rest.caret, 23);
        const WrongCharacter none = pointAtFirstWrong(head + QStringLiteral("xyz"), head);
        QCOMPARE(none.hint, QStringLiteral("3.最后部分是：;"));
        QCOMPARE(none.caret, 23);
        const WrongCharacter padded =
            pointAtFirstWrong(head + QStringLiteral("  more"), head + QStringLiteral(" "));
        QCOMPARE(padded.hint, QStringLiteral("3.最后部分是：;"));
        // Blanks padding a short answer past the 23rd character: nothing left.
        const QString blanks = QStringLiteral("abc") + QString(21, u' ');
        const WrongCharacter trailing = pointAtFirstWrong(blanks.left(23) + u'x', blanks);
        QCOMPARE(trailing.hint, QStringLiteral("3.最后部分是：;"));
    }

    void praiseAndRemarkByDrawAndLength() {
        const QStringList praises{"1.相信自己！", "1.相信自己！", "1.相信自己！", "1.加油！",
                                  "1.加油！",     "1.加油！",     "1.努力！",     "1.努力！",
                                  "1.很好！",     "1.很好！"};
        for (int draw = 0; draw < 10; ++draw) QCOMPARE(praise(draw), praises[draw]);

        QCOMPARE(difficultyRemark(0), QString());
        for (int length : {1, 3})
            QCOMPARE(difficultyRemark(length), QStringLiteral("这个词您一定会的！"));
        for (int length : {4, 5, 7})
            QCOMPARE(difficultyRemark(length), QStringLiteral("这个词您是可以的，想想！"));
        for (int length : {8, 11})
            QCOMPARE(difficultyRemark(length), QStringLiteral("这个词对您不难的，想一想！"));
        for (int length : {12, 30})
            QCOMPARE(difficultyRemark(length), QStringLiteral("这个词有点难，认真想想！"));
    }

    void theNumberBoxesAndTheirFallBacks() {
        QCOMPARE(allowedMisses(QStringLiteral("3")), 3);
        QCOMPARE(allowedMisses(QStringLiteral("2.9")), 2);
        QCOMPARE(allowedMisses(QStringLiteral(" 0 ")), 0);
        QCOMPARE(allowedMisses(QStringLiteral("5次")), 5);
        QCOMPARE(allowedMisses(QStringLiteral("三")), 3);
        QCOMPARE(allowedMisses(QString()), 3);

        QCOMPARE(readingInterval(QStringLiteral("3")), 3000);
        QCOMPARE(readingInterval(QStringLiteral("1.5")), 1500);
        QCOMPARE(readingInterval(QStringLiteral("0")), 0);
        QCOMPARE(readingInterval(QStringLiteral("-2")), 0);
        QCOMPARE(readingInterval(QStringLiteral("100")), 100000);
        QCOMPARE(readingInterval(QStringLiteral("abc")), 3000);
        QCOMPARE(readingInterval(QStringLiteral("99999999999")), std::numeric_limits<int>::max());
    }
};

QTEST_APPLESS_MAIN(ConsolidationRulesTest)
#include "test_consolidation_rules.moc"
