#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The two real programs, each copied into a portable folder of its own.
class ProcessesTest : public QObject {
    Q_OBJECT

    static QString install(const QTemporaryDir& dir, const QString& program) {
        const QString target = dir.filePath(program);
        QFile::copy(QStringLiteral(TAWEN_STAGE_DIR "/") + program, target);
        QDir(dir.path()).mkpath("Word");
        return target;
    }

    static QProcessEnvironment offscreen() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

    static void writeScript(const QString& path, const QByteArray& body) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

  private slots:
    void secondCopyEndsAtOnceWhileTheFirstRuns() {
        QTemporaryDir dir;
        const QString tawen = install(dir, "tawen");
        QProcess first;
        first.setProcessEnvironment(offscreen());
        first.start(tawen);
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dir.filePath("system/tawen.lock")), 10000);

        QProcess second;
        second.setProcessEnvironment(offscreen());
        second.start(tawen);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        first.waitForFinished();
    }

    void aLockLeftByADeadCopyDoesNotKeepTheProgramOut() {
        QTemporaryDir dir;
        const QString tawen = install(dir, "tawen");
        QProcess crashed;
        crashed.setProcessEnvironment(offscreen());
        crashed.start(tawen);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dir.filePath("system/tawen.lock")), 10000);
        crashed.kill();
        crashed.waitForFinished();
        QVERIFY(QFileInfo::exists(dir.filePath("system/tawen.lock")));

        QProcess next;
        next.setProcessEnvironment(offscreen());
        next.start(tawen);
        QVERIFY(!next.waitForFinished(1500));
        next.kill();
        next.waitForFinished();
    }

    void vexoStartsTheTawenBesideItAfterOneSecond() {
        QTemporaryDir dir;
        const QString vexo = install(dir, "vexo");
        const QString mark = dir.filePath("started");
        writeScript(dir.filePath("tawen"), "echo started > '" + mark.toUtf8() + "'\n");

        QElapsedTimer clock;
        clock.start();
        QProcess restarter;
        restarter.start(vexo);
        QVERIFY(restarter.waitForFinished(10000));
        QCOMPARE(restarter.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(mark), 5000);
        QVERIFY(clock.elapsed() >= 1000);
    }

    void tawenAnswersHelpAndVersionWithoutStarting() {
        QTemporaryDir dir;
        const QString tawen = install(dir, "tawen");
        QProcess version;
        version.setProcessEnvironment(offscreen());
        version.start(tawen, {"--version"});
        QVERIFY(version.waitForFinished(10000));
        QCOMPARE(version.exitCode(), 0);
        QCOMPARE(version.readAllStandardOutput(), QByteArray("tawen " TAWEN_VERSION "\n"));

        QProcess help;
        help.setProcessEnvironment(offscreen());
        help.start(tawen, {"--help"});
        QVERIFY(help.waitForFinished(10000));
        QCOMPARE(help.exitCode(), 0);
        const QString text = QString::fromUtf8(help.readAllStandardOutput());
        QVERIFY(text.contains("--version"));
        QVERIFY(text.contains(QStringLiteral("塔文英语单词")));
        // Neither took the lock nor made the learner's folders.
        QVERIFY(!QFileInfo::exists(dir.filePath("system")));
    }

    void anInstalledVexoStartsTheTawenOfItsInstallation() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("libexec/tawen"));
        QVERIFY(QDir(dir.path()).mkpath("bin"));
        const QString vexo = dir.filePath("libexec/tawen/vexo");
        QVERIFY(QFile::copy(QStringLiteral(TAWEN_STAGE_DIR "/vexo"), vexo));
        const QString mark = dir.filePath("started");
        writeScript(dir.filePath("bin/tawen"), "echo started > '" + mark.toUtf8() + "'\n");

        QProcess restarter;
        QProcessEnvironment env;
        env.insert("PATH", dir.filePath("nowhere"));
        restarter.setProcessEnvironment(env);
        restarter.start(vexo);
        QVERIFY(restarter.waitForFinished(10000));
        QCOMPARE(restarter.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(mark), 5000);
    }

    void vexoFailsQuietlyWithoutATawen() {
        QTemporaryDir dir;
        const QString vexo = install(dir, "vexo");
        QProcess restarter;
        QProcessEnvironment env;
        env.insert("PATH", dir.filePath("nowhere"));
        restarter.setProcessEnvironment(env);
        restarter.start(vexo);
        QVERIFY(restarter.waitForFinished(10000));
        QCOMPARE(restarter.exitStatus(), QProcess::NormalExit);
        QVERIFY(restarter.exitCode() != 0);
        QCOMPARE(restarter.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(ProcessesTest)
#include "test_processes.moc"
