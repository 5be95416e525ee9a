#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <numeric>
#include <utility>

#include "library/library_files.h"
#include "platform/paths.h"
#include "platform/text_codec.h"
#include "shell/session.h"

namespace {

// Textbook RC4, written apart from the program's own cipher.
QByteArray plainRc4(QByteArray data, QByteArrayView key) {
    std::array<unsigned char, 256> s;
    std::iota(s.begin(), s.end(), 0);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + static_cast<unsigned char>(key[i % key.size()])) % 256;
        std::swap(s[i], s[j]);
    }
    int i = 0;
    int j = 0;
    for (char& byte : data) {
        i = (i + 1) % 256;
        j = (j + s[i]) % 256;
        std::swap(s[i], s[j]);
        byte = char(byte ^ s[(s[i] + s[j]) % 256]);
    }
    return data;
}

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

}  // namespace

class MklibTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static Run mklib(const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(TAWEN_STAGE_DIR "/tawen-mklib"), arguments);
        Run run;
        if (!process.waitForFinished(30000)) return run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

  private slots:
    void encodeThenListGivesBackTheRows() {
        write("course.txt",
              "apple#n. 苹果#/\xcb\x88\xc3\xa6pl/\r\n\r\nbook#书\ttab#/b\xca\x8ak/#extra\r\nlast");
        QCOMPARE(
            mklib({"encode", "--from", "utf-8", path("course.txt"), path("course.twn")}).status, 0);
        const Run listed = mklib({"list", path("course.twn")});
        QCOMPARE(listed.status, 0);
        QCOMPARE(QString::fromUtf8(listed.out), QStringLiteral("1\tapple\tn. 苹果\t/ˈæpl/\n"
                                                               "2\t\t\t\n"
                                                               "3\tbook\t书\\ttab\t/bʊk/\n"
                                                               "4\tlast\t\t\n"));
        const Run counted = mklib({"list", "--count", path("course.twn")});
        QCOMPARE(counted.status, 0);
        QCOMPARE(counted.out, QByteArray("4\n"));
    }

    // UTF-8 comes out as GB18030; lines end where the program ends them (CR LF,
    // a lone CR) and each ends with CR LF, while a lone LF stays inside its
    // field. The program's own loader reads the file as a course.
    void encodedCoursesAreGb18030WithTheProgramsLines() {
        write("utf8.txt",
              QStringLiteral("abandon#放弃#/əˈbændən/\r\nable#能够的\n有能力的\rzoo#动物园")
                  .toUtf8());
        QCOMPARE(mklib({"encode", "--key", "course", "--from", "UTF-8", path("utf8.txt"),
                        path("CET4.twn")})
                     .status,
                 0);
        const QByteArray plaintext = platform::encodeText(
            u"abandon#放弃#/əˈbændən/\r\nable#能够的\n有能力的\r\nzoo#动物园\r\n");
        QCOMPARE(plainRc4(read("CET4.twn"), "Q7vorTa"), plaintext);

        platform::setRoot(dir_.path());
        QFile::rename(path("CET4.twn"), path("Word/CET4.twn"));
        tawen::WordTable table;
        QVERIFY(tawen::OpenCourse("CET4", table));
        QCOMPARE(table.wordCount(), 3);
        QCOMPARE(table.TextMatrix(1, 3), QStringLiteral("/əˈbændən/"));
        QCOMPARE(table.TextMatrix(2, 2), QStringLiteral("能够的\n有能力的"));
    }

    // GB18030 is the default and is never second-guessed, not even when its
    // bytes happen to be valid UTF-8 (一专业 is D2BB D7A8 D2B5).
    void gb18030PlaintextIsKeptAsItIs() {
        const QByteArray gb = platform::encodeText(u"one#一\r\nmajor#专业\nlf#一\r\n");
        QVERIFY(!QString::fromUtf8(gb).contains(QChar::ReplacementCharacter));
        write("gb.txt", gb);
        QCOMPARE(mklib({"encode", "--key", "backup", path("gb.txt"), path("gb.bak")}).status, 0);
        QCOMPARE(plainRc4(read("gb.bak"), "R3bilWo"), gb);
        QCOMPARE(mklib({"encode", "--from", "gb18030", path("gb.txt"), path("gb.twn")}).status, 0);
        QCOMPARE(plainRc4(read("gb.twn"), "Q7vorTa"), gb);
    }

    // A byte-order mark says UTF-8 whatever the option, and is not kept.
    void aUtf8ByteOrderMarkMeansUtf8() {
        write("marked.txt", "\xEF\xBB\xBF" + QStringLiteral("一#one\r\n").toUtf8());
        QCOMPARE(mklib({"encode", path("marked.txt"), path("marked.twn")}).status, 0);
        QCOMPARE(plainRc4(read("marked.twn"), "Q7vorTa"), platform::encodeText(u"一#one\r\n"));
    }

    void decodeReadsWhatAPlainRc4Wrote_data() {
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("course") << "course" << QByteArray("Q7vorTa");
        QTest::newRow("personal") << "personal" << QByteArray("K4nesUd");
        QTest::newRow("backup") << "backup" << QByteArray("R3bilWo");
    }

    void decodeReadsWhatAPlainRc4Wrote() {
        QFETCH(QString, keyName);
        QFETCH(QByteArray, key);
        QByteArray plaintext = platform::encodeText(u"word#词#/wɜːd/\r\nlone\nlf\r\n");
        plaintext.append("\x81\xff", 2);  // decode keeps bytes, not characters
        write("in.twn", plainRc4(plaintext, key));
        QCOMPARE(mklib({"decode", "--key", keyName, path("in.twn"), path("out.txt")}).status, 0);
        QCOMPARE(read("out.txt"), plaintext);
    }

    // A lexicon folder with two meaning files, phonetics and synonyms.
    void writeLexicon(const QString& folder) const {
        QDir().mkpath(path(folder + "/meanings"));
        write(folder + "/meanings/a.tsv",
              QStringLiteral("# comment lines and blank lines are skipped\n\n"
                             "bold\tadj. 大胆的\r\n"
                             "apple\tn. 苹果\n")
                  .toUtf8());
        write(folder + "/meanings/z.tsv",
              QStringLiteral("a lot of\t许多\nHow are you?\t你好吗？\n").toUtf8());
        write(folder + "/phonetics.tsv",
              QStringLiteral("bold\tˈboʊld\napple\tˈæpəl\na lot of\tə ˈlɑt əv\n").toUtf8());
        write(folder + "/synonyms.tsv", QStringLiteral("bold\tbrave, daring\n").toUtf8());
    }

    // Each row takes its meaning and phonetic from the lexicon, in the list's
    // order; a topic column labels the meaning, and a synonym course adds them.
    void joinMakesACourseFromItsListAndTheLexicon() {
        writeLexicon("lexicon");
        write("plain.list", QStringLiteral("# A course\n# 3 headwords\napple\nHow are you?\n"
                                           "a lot of\tnumbers\n")
                                .toUtf8());
        QCOMPARE(mklib({"join", path("lexicon"), path("plain.list"), path("plain.twn")}).status, 0);
        QCOMPARE(plainRc4(read("plain.twn"), "Q7vorTa"),
                 platform::encodeText(u"apple#n. 苹果#[ˈæpəl]\r\n"
                                      u"How are you?#你好吗？#\r\n"
                                      u"a lot of#【numbers】许多#[ə ˈlɑt əv]\r\n"));

        write("syn.list", "bold\n");
        QCOMPARE(mklib({"join", "--with", "synonyms", path("lexicon"), path("syn.list"),
                        path("syn.twn")})
                     .status,
                 0);
        QCOMPARE(plainRc4(read("syn.twn"), "Q7vorTa"),
                 platform::encodeText(u"bold#adj. 大胆的；同义：brave, daring#[ˈboʊld]\r\n"));
    }

    void joinRefusesWhatWouldMakeAWrongCourse_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("headword without an entry")
            << "list" << QByteArray("apple\npear\n") << QStringList{} << "“pear”在词库中没有释义";
        QTest::newRow("headword twice in a course")
            << "list" << QByteArray("apple\nbold\napple\n") << QStringList{} << "第 3 行";
        QTest::newRow("antonym the lexicon lacks")
            << "list" << QByteArray("bold\n") << QStringList{"--with", "antonyms"}
            << "缺少本课程要的反义词";
        QTest::newRow("unknown addition") << "list" << QByteArray("bold\n")
                                          << QStringList{"--with", "colours"} << "未知的附加内容";
        QTest::newRow("one headword in two meaning files")
            << "lexicon/meanings/b.tsv" << QByteArray("bold\tadj. 醒目的\n") << QStringList{}
            << "“bold”的释义出现了两次";
        QTest::newRow("a meaning that would split the row")
            << "lexicon/meanings/b.tsv" << QByteArray("pear\tn. 梨#2\n") << QStringList{}
            << "含有“#”";
        QTest::newRow("a phonetic without a meaning")
            << "lexicon/phonetics.tsv" << QByteArray("pear\tˈpɛr\n") << QStringList{}
            << "“pear”在释义中没有词条";
        QTest::newRow("a line that is not two columns")
            << "lexicon/synonyms.tsv" << QByteArray("bold brave\n") << QStringList{} << "两栏";
        QTest::newRow("empty list")
            << "list" << QByteArray("# only a header\n") << QStringList{} << "没有词条";
    }

    void joinRefusesWhatWouldMakeAWrongCourse() {
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        QFile::remove(path("out"));
        QDir(path("lexicon")).removeRecursively();
        writeLexicon("lexicon");
        write("list", "apple\n");
        write(file, text);
        const Run run = mklib(QStringList{"join"} + options +
                              QStringList{path("lexicon"), path("list"), path("out")});
        QVERIFY(run.status > 0);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(path("out")));
    }

    void badCallsFailClearlyAndWriteNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList{} << "缺少命令";
        QTest::newRow("unknown command") << QStringList{"pack", "@a", "@b"} << "未知的命令";
        QTest::newRow("unknown key")
            << QStringList{"decode", "--key", "secret", "@a", "@out"} << "未知的密钥名";
        QTest::newRow("key without a name") << QStringList{"list", "@a", "--key"} << "缺少密钥名";
        QTest::newRow("unknown option")
            << QStringList{"encode", "--fast", "@a", "@out"} << "未知的选项";
        QTest::newRow("--count is only for list")
            << QStringList{"decode", "--count", "@a", "@out"} << "未知的选项";
        QTest::newRow("unknown encoding")
            << QStringList{"encode", "--from", "big5", "@a", "@out"} << "未知的编码";
        QTest::newRow("encoding without a name")
            << QStringList{"encode", "@a", "@out", "--from"} << "缺少编码名";
        QTest::newRow("--from is only for encode")
            << QStringList{"decode", "--from", "utf-8", "@a", "@out"} << "未知的选项";
        QTest::newRow("not UTF-8 as said")
            << QStringList{"encode", "--from", "utf-8", "@gb.txt", "@out"} << "不是有效的 UTF-8";
        QTest::newRow("missing output name") << QStringList{"encode", "@a"} << "需要 2 个文件名";
        QTest::newRow("missing input file")
            << QStringList{"encode", "@nothing.txt", "@out"} << "找不到文件";
        QTest::newRow("empty plaintext")
            << QStringList{"encode", "@empty", "@out"} << "明文文件是空的";
        QTest::newRow("empty library")
            << QStringList{"decode", "@empty", "@out"} << "词库文件是空的";
        QTest::newRow("too many lines")
            << QStringList{"encode", "@long.txt", "@out"} << "词库最多 32766 行";
    }

    void badCallsFailClearlyAndWriteNothing() {
        QFETCH(QStringList, arguments);  // "@name" is a file in the test's folder
        QFETCH(QString, message);
        QFile::remove(path("out"));
        write("empty", {});
        write("long.txt", QByteArray("w\r\n").repeated(32767));
        write("gb.txt", platform::encodeText(u"苹果#apple\r\n"));
        for (QString& argument : arguments)
            if (argument.startsWith(u'@')) argument = path(argument.mid(1));
        const Run run = mklib(arguments);
        QVERIFY(run.status > 0);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(path("out")));
    }
};

QTEST_GUILESS_MAIN(MklibTest)
#include "test_mklib.moc"
