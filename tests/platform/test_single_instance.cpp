#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fakes/file_size_limit.h"
#include "platform/single_instance.h"

using platform::SingleInstance;
using Outcome = SingleInstance::Outcome;

// Who may start: only a live copy keeps a start out; a lock left behind in
// any state is taken over; a lock that cannot be made at all is told apart.
class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString lockPath() const { return dir_.filePath("system/tawen.lock"); }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // The real program, run in a portable folder of its own: its lock is the
    // one a learner's second start meets.
    void startTawen(QProcess& tawen) {
        const QString program = dir_.filePath("tawen");
        QVERIFY(QFile::copy(QStringLiteral(TAWEN_STAGE_DIR "/tawen"), program));
        QVERIFY(QDir(dir_.path()).mkpath("Word"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        tawen.setProcessEnvironment(env);
        tawen.start(program);
        QVERIFY(tawen.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lockPath()).size() > 0, 10000);
    }

    // Runs the check in a child process; under root the child becomes an
    // ordinary user first, since root writes into read-only folders.
    static Outcome acquireInChild(const QString& path, bool fullDisk) {
        const pid_t child = fork();
        if (child == 0) {
            constexpr uid_t kNobody = 65534;
            if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(99);
            if (fullDisk) {
                const FileSizeLimit full(0);
                _exit(static_cast<int>(SingleInstance(path).acquire()));
            }
            _exit(static_cast<int>(SingleInstance(path).acquire()));
        }
        int status = 0;
        waitpid(child, &status, 0);
        return static_cast<Outcome>(WEXITSTATUS(status));
    }

  private slots:
    void init() {
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.filePath("system")));
        // The child of acquireInChild must reach the folder as an ordinary user.
        QVERIFY(chmod(dir_.path().toUtf8().constData(), 0755) == 0);
    }

    void oneCopyAtATimeUntilTheLockIsGivenUp() {
        SingleInstance first(lockPath());
        SingleInstance second(lockPath());
        QCOMPARE(first.acquire(), Outcome::Acquired);
        QCOMPARE(second.acquire(), Outcome::AnotherCopyRuns);
        QVERIFY(first.release());
        QCOMPARE(second.acquire(), Outcome::Acquired);
        QVERIFY(!first.release());
    }

    void aDamagedLockIsTakenOver_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty, as after a kill between creating and writing") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\x02not a lock\xff", 14);
        QTest::newRow("no process") << QByteArray("0\ntawen\nhost\n");
    }

    void aDamagedLockIsTakenOver() {
        QFETCH(QByteArray, contents);
        write(lockPath(), contents);
        SingleInstance instance(lockPath());
        QCOMPARE(instance.acquire(), Outcome::Acquired);
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::ReadOnly));
        QCOMPARE(lock.readLine().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    }

    void aLiveCopyKeepsTheLockAndADeadOneGivesItUp() {
        QProcess tawen;
        startTawen(tawen);
        QCOMPARE(SingleInstance(lockPath()).acquire(), Outcome::AnotherCopyRuns);
        tawen.kill();
        QVERIFY(tawen.waitForFinished());
        QVERIFY(QFileInfo::exists(lockPath()));
        QCOMPARE(SingleInstance(lockPath()).acquire(), Outcome::Acquired);
    }

    void aLockThatCannotBeMadeIsToldApart_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("read-only system folder") << "read-only";
        QTest::newRow("full system folder") << "full";
        QTest::newRow("system is a file") << "file";
        QTest::newRow("the lock is a folder") << "folder";
    }

    void aLockThatCannotBeMadeIsToldApart() {
        QFETCH(QString, fault);
        const QString system = dir_.filePath("system");
        if (fault == "read-only") {
            QVERIFY(chown(system.toUtf8().constData(), 65534, 65534) == 0 || geteuid() != 0);
            QVERIFY(chmod(system.toUtf8().constData(), 0555) == 0);
        } else if (fault == "file") {
            QVERIFY(QDir(system).removeRecursively());
            write(system, "not a folder");
        } else if (fault == "folder") {
            QVERIFY(QDir(system).mkdir("tawen.lock"));
        } else if (fault == "full") {
            // The child may write there: only the full disk stands in its way.
            QVERIFY(chown(system.toUtf8().constData(), 65534, 65534) == 0 || geteuid() != 0);
        }
        QCOMPARE(acquireInChild(lockPath(), fault == "full"), Outcome::CannotLock);
        chmod(system.toUtf8().constData(), 0755);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
