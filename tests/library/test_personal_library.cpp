#include <QTest>

#include "fakes/temp_root.h"
#include "library/library_cipher.h"
#include "library/personal_library.h"
#include "library/test_summary.h"
#include "platform/text_codec.h"
#include "shell/session.h"

using namespace tawen;

namespace {

QByteArray gb(QStringView text) { return platform::encodeText(text); }

QByteArray enciphered(QByteArray plaintext, std::string_view key) {
    LibraryCipher::apply(plaintext, key);
    return plaintext;
}

}  // namespace

// The personal library's lines and backups as files a learner can touch, and
// the summary the error word table shows after a test.
class PersonalLibraryTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CurrentUser = QStringLiteral("tester"); }

    void everyLineOfTheLibraryIsKeptEvenWithoutAMeaning() {
        const QList<WordEntry> words =
            parsePersonalLines(gb(u"apple#苹果#ˈæpəl\r\nlonely\r\n\r\nbook#书\rpen#钢\n笔\r\n"));
        const QList<WordEntry> expected = {
            {"apple", "苹果", "ˈæpəl"}, {"lonely", "", ""},    {"", "", ""},
            {"book", "书", ""},         {"pen", "钢\n笔", ""},
        };
        QCOMPARE(words, expected);
    }

    void linesWrittenBackReadTheSameWithTheirPhonetics() {
        const QList<WordEntry> words = {{"ice cream", "冰淇淋", "ˈaɪs ˌkrim"},
                                        {"well-known", "著名的", ""},
                                        {"lonely", "", ""}};
        const QByteArray lines = personalLines(words);
        QCOMPARE(lines, gb(u"ice cream#冰淇淋#ˈaɪs ˌkrim\r\nwell-known#著名的\r\nlonely#\r\n"));
        QCOMPARE(parsePersonalLines(lines), words);
        QCOMPARE(parseBackupLines(lines), std::optional(words));
    }

    void onlyTextWithAHashOnEveryLineIsABackup() {
        QCOMPARE(parseBackupLines(gb(u"a#甲\r\nb#乙")),
                 std::optional(QList<WordEntry>{{"a", "甲", ""}, {"b", "乙", ""}}));
        QCOMPARE(parseBackupLines(gb(u"a#甲\r\nno meaning\r\nb#乙\r\n")), std::nullopt);
        QCOMPARE(parseBackupLines(QByteArray()), std::nullopt);
        // What a course file deciphered with the backup key looks like: bytes
        // that are no GB18030 text, even with a "#" on the line.
        QCOMPARE(parseBackupLines(QByteArray("a#\x81\x20\xff#b\r\n")), std::nullopt);
    }

    void theLibraryFileIsReplacedWholeOrRemoved() {
        TempRoot root;
        const QString file = QStringLiteral("Word/Usertester.twn");
        QCOMPARE(personalLibraryPath(), root.path(file));
        QCOMPARE(readPersonalLibrary(), std::optional(QList<WordEntry>{}));

        const QList<WordEntry> words = {{"apple", "苹果", "ˈæpəl"}};
        QVERIFY(writePersonalLibrary(words));
        QCOMPARE(root.read(file),
                 enciphered(gb(u"apple#苹果#ˈæpəl\r\n"), LibraryCipher::PersonalKey));
        QCOMPARE(readPersonalLibrary(), std::optional(words));

        QVERIFY(writePersonalLibrary({}));
        QVERIFY(!QFile::exists(root.path(file)));
        QVERIFY(QDir(root.path("Word")).entryList(QDir::Files).isEmpty());
    }

    void aBackupIsEncipheredWithItsOwnKeyAndAnEmptyListWritesNone() {
        TempRoot root;
        const QString backup = root.path("塔文单词.bak");
        QVERIFY(writeBackup(backup, {}));
        QVERIFY(!QFile::exists(backup));
        const QList<WordEntry> words = {{"apple", "苹果", ""}, {"pear", "梨", "per"}};
        QVERIFY(writeBackup(backup, words));
        QCOMPARE(root.read("塔文单词.bak"),
                 enciphered(gb(u"apple#苹果\r\npear#梨#per\r\n"), LibraryCipher::BackupKey));
        QCOMPARE(readBackup(backup), std::optional(words));
        // The personal library itself is no backup: its key is another.
        QVERIFY(writePersonalLibrary(words));
        QCOMPARE(readBackup(personalLibraryPath()), std::nullopt);
        QCOMPARE(readBackup(root.path("missing.bak")), std::nullopt);
    }

    void onlyPrintableAsciiIsAnEnglishWord() {
        QVERIFY(isEnglishWord(u"ice cream"));
        QVERIFY(isEnglishWord(u"well-known"));
        QVERIFY(isEnglishWord(u"~ !"));
        QVERIFY(!isEnglishWord(u"ice奶"));
        QVERIFY(!isEnglishWord(u"tab\there"));
        QVERIFY(!isEnglishWord(u"caf\u00e9"));
    }

    void theSummaryCountsTheTestAndSaysWhatTheButtonsDo() {
        const QStringList lines = testSummaryText(20, 5, 12.5).split(u'\n');
        const QStringList expected = {
            "共有：20个单词",
            "错误：5个单词",
            "正确率：75.00%",
            "速度：13个/分钟",
            "",
            "[添加]键添加答对却感觉没有把握的单词；",
            "[保存]键把打钩的单词增加到自己个人专用生词库中；",
            "[取消]键直接退出错误表。",
        };
        QCOMPARE(lines, expected);
        QCOMPARE(testSummaryText(3, 1, 7.49).split(u'\n').mid(2, 2),
                 QStringList({"正确率：66.67%", "速度：7个/分钟"}));
        QCOMPARE(testSummaryText(1, 0, 0).split(u'\n')[2], QStringLiteral("正确率：100.00%"));
    }
};

QTEST_GUILESS_MAIN(PersonalLibraryTest)
#include "test_personal_library.moc"
