#include <QDirIterator>
#include <QSignalSpy>
#include <QTest>

#include "fakes/temp_root.h"
#include "library/library_cipher.h"
#include "library/library_files.h"
#include "platform/paths.h"
#include "platform/text_codec.h"
#include "shell/session.h"

using namespace tawen;

namespace {

QByteArray enciphered(QByteArray plaintext, std::string_view key) {
    LibraryCipher::apply(plaintext, key);
    return plaintext;
}

void writeCourse(const TempRoot& root, const QString& code, const QByteArray& plaintext) {
    root.write("Word/" + code + ".twn", enciphered(plaintext, LibraryCipher::CourseKey));
}

// Every row as "number|word|meaning|phonetic", read through the grid accessors.
QStringList rowsOf(const WordTable& table) {
    QStringList rows;
    for (int row = 1; row < table.Rows(); ++row) {
        QStringList cells;
        for (int column = 0; column < WordTable::ColumnCount; ++column)
            cells << table.TextMatrix(row, column);
        rows << cells.join(u'|');
    }
    return rows;
}

// The rows a course file with this plaintext loads into a fresh table.
QStringList loadedRows(const QByteArray& plaintext) {
    TempRoot root;
    writeCourse(root, "CET4", plaintext);
    WordTable table;
    if (!OpenCourse("CET4", table)) return {"not loaded"};
    if (table.Rows() != table.wordCount() + 1) return {"row count disagrees"};
    return rowsOf(table);
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next().mid(folder.size());
    files.sort();
    return files;
}

}  // namespace

class LibraryFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        CurrentLibraryCode.clear();
        CurrentUser.clear();
    }

    void lineAndFieldRules_data() {
        QTest::addColumn<QByteArray>("plaintext");
        QTest::addColumn<QStringList>("rows");
        const QStringList two{"1|a|b|c", "2|d|e|f"};
        QTest::newRow("CR LF after the last line adds no row")
            << QByteArray("a#b#c\r\nd#e#f\r\n") << two;
        QTest::newRow("no break after the last line") << QByteArray("a#b#c\r\nd#e#f") << two;
        QTest::newRow("a lone CR ends a line") << QByteArray("a#b#c\rd#e#f\r") << two;
        QTest::newRow("a lone LF stays in the text")
            << QByteArray("a\nb#c\n#d\r\n") << QStringList{"1|a\nb|c\n|d"};
        QTest::newRow("CR CR LF is a line and an empty line")
            << QByteArray("a\r\r\nb") << QStringList{"1|a||", "2|||", "3|b||"};
        QTest::newRow("an empty line keeps its number")
            << QByteArray("a#1#x\r\n\r\nb#2#y\r\n") << QStringList{"1|a|1|x", "2|||", "3|b|2|y"};
        QTest::newRow("only a line break is one empty row")
            << QByteArray("\r\n") << QStringList{"1|||"};
        QTest::newRow("missing and empty fields")
            << QByteArray("word#meaning#\r\nalone\r\n#\r\n")
            << QStringList{"1|word|meaning|", "2|alone||", "3|||"};
        QTest::newRow("fields are not trimmed")
            << QByteArray(" w # m \t# p ") << QStringList{"1| w | m \t| p "};
        QTest::newRow("fields after the third are ignored")
            << QByteArray("w#m#p#extra#more\r\n") << QStringList{"1|w|m|p"};
        QTest::newRow("Chinese and IPA in GB18030")
            << platform::encodeText(u"abandon#v. 放弃；抛弃#/əˈbændən/\r\n")
            << QStringList{"1|abandon|v. 放弃；抛弃|/əˈbændən/"};
    }

    void lineAndFieldRules() {
        QFETCH(QByteArray, plaintext);
        QFETCH(QStringList, rows);
        QCOMPARE(loadedRows(plaintext), rows);
    }

    // A broken sequence becomes U+FFFD and never takes the "#" or line break after it.
    void bytesThatAreNotGb18030_data() {
        QTest::addColumn<QByteArray>("plaintext");
        QTest::addColumn<QStringList>("rows");
        const QString bad(QChar::ReplacementCharacter);
        QTest::newRow("lead byte before #")
            << QByteArray("a\x81#b") << QStringList{"1|a" + bad + "|b|"};
        QTest::newRow("lead byte before CR LF")
            << QByteArray("a\x81\r\nb") << QStringList{"1|a" + bad + "||", "2|b||"};
        QTest::newRow("byte 0xFF") << QByteArray("\xff#m") << QStringList{"1|" + bad + "|m|"};
        // The lead byte is broken; the digit after it stands for itself, as
        // it would anywhere else in the text.
        QTest::newRow("four-byte sequence cut at the end")
            << QByteArray("w#m#\x81\x30") << QStringList{"1|w|m|" + bad + "0"};
    }

    void bytesThatAreNotGb18030() {
        QFETCH(QByteArray, plaintext);
        QFETCH(QStringList, rows);
        QCOMPARE(loadedRows(plaintext), rows);
    }

    void gridAccessorsAndModelAgree() {
        TempRoot root;
        writeCourse(root, "xx1", platform::encodeText(u"apple#苹果#/ˈæpl/\r\nbook#书#/bʊk/\r\n"));
        WordTable table;
        QVERIFY(OpenCourse("xx1", table));
        const QStringList headers{"序号", "单词", "解释", "音标"};
        for (int column = 0; column < WordTable::ColumnCount; ++column) {
            QCOMPARE(table.TextMatrix(0, column), headers[column]);
            QCOMPARE(table.headerData(column, Qt::Horizontal).toString(), headers[column]);
            for (int row = 1; row < table.Rows(); ++row)
                QCOMPARE(table.data(table.index(row - 1, column)).toString(),
                         table.TextMatrix(row, column));
        }
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.columnCount(), 4);
        QCOMPARE(table.TextMatrix(2, 0), QStringLiteral("2"));
        QCOMPARE(table.TextMatrix(2, 2), QStringLiteral("书"));
        QCOMPARE(table.TextMatrix(3, 1), QString());
        QCOMPARE(table.TextMatrix(1, 4), QString());
    }

    void anEmptyTableHasOnlyTheHeaderRow() {
        const WordTable table;
        QCOMPARE(table.Rows(), 1);
        QCOMPARE(table.wordCount(), 0);
        QCOMPARE(table.TextMatrix(0, 1), QStringLiteral("单词"));
    }

    void loadingReplacesTheWordsInOneReset() {
        TempRoot root;
        writeCourse(root, "CET4", "a\r\nb\r\nc\r\n");
        writeCourse(root, "xx1", "only\r\n");
        WordTable table;
        QVERIFY(OpenCourse("CET4", table));
        QSignalSpy resets(&table, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&table, &QAbstractItemModel::rowsInserted);
        QVERIFY(OpenCourse("xx1", table));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(rowsOf(table), QStringList{"1|only||"});
    }

    void atMost32766RowsAreLoaded() {
        QByteArray plaintext;
        for (int line = 1; line <= MaxWordRows + 4; ++line)
            plaintext += "w" + QByteArray::number(line) + "#m\r\n";
        TempRoot root;
        writeCourse(root, "TOEFL", plaintext);
        WordTable table;
        QVERIFY(OpenCourse("TOEFL", table));
        QCOMPARE(table.wordCount(), 32766);
        QCOMPARE(table.TextMatrix(32766, 0), QStringLiteral("32766"));
        QCOMPARE(table.TextMatrix(32766, 1), QStringLiteral("w32766"));
    }

    void aMissingOrEmptyFileLeavesTheTableAsItWas_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("missing course file") << false;
        QTest::newRow("zero-length course file") << true;
    }

    void aMissingOrEmptyFileLeavesTheTableAsItWas() {
        QFETCH(bool, fileExists);
        TempRoot root;
        writeCourse(root, "xx1", platform::encodeText(u"apple#苹果\r\n"));
        if (fileExists) root.write("Word/CET6.twn", QByteArray());
        WordTable table;
        QVERIFY(OpenCourse("xx1", table));
        QSignalSpy resets(&table, &QAbstractItemModel::modelReset);
        QVERIFY(!OpenCourse("CET6", table));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("CET6"));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(rowsOf(table), QStringList{"1|apple|苹果|"});
    }

    void noFileIsLeftBehind() {
        TempRoot root;
        writeCourse(root, "CET4", "apple#苹果#/ˈæpl/\r\n");
        const QStringList before = filesUnder(platform::AppDir());
        WordTable table;
        QVERIFY(OpenCourse("CET4", table));
        QCOMPARE(filesUnder(platform::AppDir()), before);
        QVERIFY(!QFileInfo::exists(platform::WindowsDir() + "Nomi.dll"));
    }

    // Noise deciphers into noise: no word list, so the table keeps its words.
    void aFileThatIsNotALibraryIsRefused() {
        QByteArray noise;
        for (int n = 0; n < 4096; ++n) noise.append(char((n * 2654435761u) >> 24));
        TempRoot root;
        writeCourse(root, "CET4", "apple#n.#/x/\r\n");
        root.write("Word/GRE.twn", noise);
        WordTable table;
        QVERIFY(OpenCourse("CET4", table));
        QVERIFY(OpenCourse("GRE", table).problem == FileProblem::NotWordFile);
        QCOMPARE(rowsOf(table), QStringList{"1|apple|n.|/x/"});
    }

    void thePersonalLibraryUsesItsOwnKeyAndTheUsersName() {
        TempRoot root;
        CurrentUser = QStringLiteral("小明");
        root.write("Word/User小明.twn",
                   enciphered(platform::encodeText(u"mine#我的\r\n"), LibraryCipher::PersonalKey));
        WordTable table;
        QVERIFY(OpenPersonalLibrary(table));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("User小明"));
        QCOMPARE(rowsOf(table), QStringList{"1|mine|我的|"});
    }

    void openingByDisplayName() {
        TempRoot root;
        CurrentUser = QStringLiteral("ann");
        writeCourse(root, "Dxxsy1", "full#width\r\n");
        writeCourse(root, "CET56cz", "half#comma\r\n");
        root.write("Word/Userann.twn", enciphered("personal#one\r\n", LibraryCipher::PersonalKey));
        WordTable table;

        QVERIFY(OpenByDisplayName(u"大学英语1（新视野）", table));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("Dxxsy1"));
        QCOMPARE(table.TextMatrix(1, 1), QStringLiteral("full"));

        QVERIFY(!OpenByDisplayName(u"大学英语1(新视野)", table));
        QVERIFY(!OpenByDisplayName(u"大学英语词组(5，6级)", table));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("Dxxsy1"));
        QCOMPARE(table.TextMatrix(1, 1), QStringLiteral("full"));

        QVERIFY(OpenByDisplayName(u"大学英语词组(5,6级)", table));
        QCOMPARE(table.TextMatrix(1, 1), QStringLiteral("half"));

        QVERIFY(OpenByDisplayName(u"用户个人生词库", table));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("Userann"));
        QCOMPARE(table.TextMatrix(1, 1), QStringLiteral("personal"));
    }
};

QTEST_GUILESS_MAIN(LibraryFilesTest)
#include "test_library_files.moc"
