#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "library/library_cipher.h"
#include "library/library_files.h"
#include "library/personal_library.h"
#include "platform/paths.h"
#include "shell/session.h"

using namespace tawen;

namespace {

void writeEnciphered(const QString& path, QByteArray plaintext, std::string_view key) {
    QDir().mkpath(QFileInfo(path).path());
    LibraryCipher::apply(plaintext, key);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(plaintext), plaintext.size());
}

}  // namespace

// Which folder the program reads what it ships from, and which one holds
// what it writes, for a portable copy and an installed one.
class PathsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void aWritableFolderHoldingWordIsAPortableCopy() {
        const QString folder = dir_.filePath("portable");
        QVERIFY(QDir().mkpath(folder + "/Word"));
        const platform::Roots roots = platform::chooseRoots(folder);
        QCOMPARE(roots.user, folder);
        QCOMPARE(roots.shared, folder);
    }

    void anInstalledCopyReadsItsPrefixAndWritesUnderTheLearnersDataHome() {
        const QString prefix = dir_.filePath("prefix");
        QVERIFY(QDir().mkpath(prefix + "/bin"));
        QVERIFY(QDir().mkpath(prefix + "/share/tawen/Word"));
        qputenv("XDG_DATA_HOME", dir_.filePath("home/data").toUtf8());
        const platform::Roots roots = platform::chooseRoots(prefix + "/bin");
        QCOMPARE(roots.user, dir_.filePath("home/data/tawen"));
        QCOMPARE(roots.shared, prefix + "/share/tawen");

        // Nothing the program ships is copied to the learner: an upgrade of
        // the prefix reaches them at once.
        platform::setRoots(roots);
        QVERIFY(!QFileInfo::exists(roots.user + "/Word/xx1.twn"));
        QVERIFY(QFileInfo(roots.user + "/User").isDir());
        QVERIFY(QFileInfo(roots.user + "/system").isDir());
        QCOMPARE(platform::WindowsDir(), roots.user + "/system/");
    }

    void coursesAreReadFromTheShippedFolderAndTheLearnersLibraryFromTheirOwn() {
        const platform::Roots roots{dir_.filePath("own"), dir_.filePath("shipped")};
        platform::setRoots(roots);
        CurrentUser = QStringLiteral("ann");
        writeEnciphered(roots.shared + "/Word/CET4.twn", "shipped#运来的\r\n",
                        LibraryCipher::CourseKey);
        writeEnciphered(roots.user + "/Word/Userann.twn", "mine#自己的\r\n",
                        LibraryCipher::PersonalKey);
        // A stale private copy of a course is never what the learner sees.
        writeEnciphered(roots.user + "/Word/CET6.twn", "stale#旧的\r\n", LibraryCipher::CourseKey);

        WordTable table;
        QVERIFY(bool(OpenCourse("CET4", table)));
        QCOMPARE(table.TextMatrix(1, 1), QStringLiteral("shipped"));
        QVERIFY(bool(OpenPersonalLibrary(table)));
        QCOMPARE(table.TextMatrix(1, 1), QStringLiteral("mine"));
        QCOMPARE(OpenCourse("CET6", table).problem, FileProblem::Missing);
        QCOMPARE(personalLibraryPath(), roots.user + "/Word/Userann.twn");
    }
};

QTEST_GUILESS_MAIN(PathsTest)
#include "test_paths.moc"
