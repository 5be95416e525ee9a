#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "fakes/recording_prompt.h"
#include "faults/syscall_faults.h"
#include "library/personal_library.h"
#include "platform/paths.h"
#include "shell/session.h"
#include "shell/user_registry.h"
#include "shell/user_settings.h"
#include "study/score_log.h"

using namespace tawen;

namespace {

// One save of the program: the file it replaces, the save of a numbered
// version, what the next start reads from the file, and whether that is
// what whole saves leave.
struct Save {
    QString name;
    std::function<QString()> path;
    std::function<bool(int version)> save;
    std::function<QString()> read;
    std::function<bool(const QString& read)> whole;
    // Whether the save tells the learner itself; the others' windows do.
    bool tells = false;
};

const QString kLearner = QStringLiteral("ann");

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QList<WordEntry> wordsOf(int version) {
    QList<WordEntry> words;
    for (int n = 0; n <= version % 3 + 40; ++n)
        words.append({QStringLiteral("word%1v%2").arg(n).arg(version),
                      QStringLiteral("词义%1").arg(n), QStringLiteral("[wɜːd]")});
    return words;
}

QString joined(const std::optional<QList<WordEntry>>& words) {
    if (!words) return QStringLiteral("<unreadable>");
    QStringList lines;
    for (const WordEntry& entry : *words)
        lines << entry.word + u'#' + entry.meaning + u'#' + entry.phonetic;
    return lines.join(u'|');
}

// Read as the words of one version, all of them.
bool wholeWords(const QString& read) {
    const QRegularExpressionMatch first = QRegularExpression("^word0v(\\d+)#").match(read);
    return first.hasMatch() && read == joined(wordsOf(first.captured(1).toInt()));
}

// Every part of a comma-separated read matches pattern.
bool everyPartMatches(const QString& read, const QString& pattern) {
    const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
    for (const QString& part : read.split(u','))
        if (!whole.match(part).hasMatch()) return false;
    return true;
}

QString registryNames() {
    QStringList names;
    for (const UserRecord& record : UserRegistry(UserRegistry::defaultPath()).records())
        names << record.name;
    return names.join(u',');
}

QString backupPath() { return platform::AppDir() + QStringLiteral("/Word/备份.bak"); }

// Every save the program makes, each writing as the learner "ann" would.
QList<Save> programSaves() {
    return {
        {"settings section", [] { return SettingsPath(); },
         [](int version) {
             CurrentUser = kLearner;
             return WriteSettings(
                 QStringLiteral("词库"),
                 {{QStringLiteral("词始"), QString::number(version)},
                  {QStringLiteral("词终"), QString::number(version + 50)},
                  {QStringLiteral("名称"), QStringLiteral("大学四级英语%1").arg(version)}});
         },
         [] {
             CurrentUser = kLearner;
             QStringList entries;
             for (const platform::IniEntry& entry : ReadSettings(QStringLiteral("词库")))
                 entries << entry.key + u'=' + entry.value;
             return entries.join(u';');
         },
         [](const QString& read) {
             const auto match =
                 QRegularExpression(
                     QStringLiteral("^词始=(\\d+);词终=(\\d+);名称=大学四级英语(\\d+)$"))
                     .match(read);
             return match.hasMatch() && match.captured(1) == match.captured(3) &&
                    match.captured(2).toInt() == match.captured(1).toInt() + 50;
         },
         true},
        {"new user", [] { return UserRegistry::defaultPath(); },
         [](int version) {
             return storeNewUser({QStringLiteral("u%1").arg(version), "pw"});
         },
         [] {
             // A listed user always has a whole settings file.
             QStringList users;
             for (const UserRecord& record : UserRegistry(UserRegistry::defaultPath()).records()) {
                 CurrentUser = record.name;
                 users << record.name + u':' +
                              ReadSetting(QStringLiteral("词库"), QStringLiteral("名称")) + u':' +
                              ReadSetting(QStringLiteral("小窗口"), QStringLiteral("位置Y"));
             }
             return users.join(u',');
         },
         [](const QString& read) {
             return everyPartMatches(read, QStringLiteral("u\\d+:小学英语第一册:\\d+"));
         },
         true},
        {"List.sys", [] { return UserRegistry::defaultPath(); },
         [](int version) {
             return UserRegistry(UserRegistry::defaultPath())
                 .append({QStringLiteral("用户%1").arg(version), "pw"});
         },
         registryNames,
         [](const QString& read) {
             // A torn record would not be listed: the bytes say whether one is there.
             return bytesOf(UserRegistry::defaultPath()).size() % kUserRecordBytes == 0 &&
                    everyPartMatches(read, QStringLiteral("用户\\d+"));
         }},
        {"personal library", [] { return personalLibraryPath(); },
         [](int version) {
             CurrentUser = kLearner;
             return writePersonalLibrary(wordsOf(version));
         },
         [] {
             CurrentUser = kLearner;
             return joined(readPersonalLibrary());
         },
         wholeWords},
        {"backup export", backupPath,
         [](int version) { return writeBackup(backupPath(), wordsOf(version)); },
         [] { return joined(readBackup(backupPath())); }, wholeWords},
        {"score log", [] { return scoreLogPath(kLearner); },
         [](int version) {
             ScoreOwner = kLearner;
             ScoreMode = QStringLiteral("fxmk");
             return PushScore(QStringLiteral("2026-12-09#10:%1#大学四级英语#12.5#%2")
                                  .arg(version % 60, 2, 10, QChar('0'))
                                  .arg(version));
         },
         [] {
             ScoreOwner = kLearner;
             ScoreMode = QStringLiteral("fxmk");
             return ScoreRecords().join(u',');
         },
         [](const QString& read) {
             return read.split(u',').size() <= kScoreLogSize &&
                    everyPartMatches(read,
                                     QStringLiteral("2026-12-09#10:\\d\\d#大学四级英语#12.5#\\d+"));
         },
         true},
    };
}

Save programSave(const QString& name) {
    for (const Save& save : programSaves())
        if (save.name == name) return save;
    qFatal("no save named %s", qPrintable(name));
}

QStringList filesUnder(const QString& root) {
    QStringList files;
    for (const QString& folder : {QStringLiteral("/"), QStringLiteral("/User/"),
                                  QStringLiteral("/Word/"), QStringLiteral("/system/")})
        for (const QString& file : QDir(root + folder).entryList(QDir::Files | QDir::Hidden))
            files << folder + file;
    return files;
}

// The child the kill test starts: saves versions first, first + 1, ...
// until it is killed.
int saveUntilKilled(const QString& name, const QString& root, int first) {
    platform::setRoot(root);
    platform::installPrompt(std::make_unique<RecordingPrompt>());
    const Save save = programSave(name);
    for (int version = first;; ++version) save.save(version);
}

}  // namespace

// Every save of the program meets a failing disk: it fails at each step,
// or is killed at a random instant. The file is then the old one or the new
// one, whole, and the next start reads it.
class SaveFaultsTest : public QObject {
    Q_OBJECT

    RecordingPrompt* prompt_ = nullptr;

  private slots:
    void init() {
        auto prompt = std::make_unique<RecordingPrompt>();
        prompt_ = prompt.get();
        platform::installPrompt(std::move(prompt));
    }

    void aFailedSaveLeavesTheOldFileForTheNextStart_data() {
        QTest::addColumn<QString>("save");
        QTest::addColumn<SaveFault>("fault");
        const std::pair<const char*, SaveFault> faults[] = {
            {"short write", SaveFault::ShortWrite},
            {"full disk", SaveFault::FullDisk},
            {"failed sync", SaveFault::FailedSync},
            {"failed rename", SaveFault::FailedRename}};
        for (const Save& save : programSaves())
            for (const auto& [faultName, fault] : faults)
                QTest::addRow("%s, %s", qPrintable(save.name), faultName) << save.name << fault;
    }

    void aFailedSaveLeavesTheOldFileForTheNextStart() {
        QFETCH(QString, save);
        QFETCH(SaveFault, fault);
        QTemporaryDir root;
        platform::setRoot(root.path());
        const Save under = programSave(save);
        QVERIFY(under.save(0));
        const QByteArray oldBytes = bytesOf(under.path());
        const QString oldRead = under.read();
        const QStringList oldFiles = filesUnder(root.path());
        prompt_->messages.clear();

        armSaveFault(fault);
        const bool saved = under.save(1);
        const int faultsMet = faultCalls();
        armSaveFault(SaveFault::None);
        QVERIFY2(faultsMet > 0, "the save never reached the failing step");
        QVERIFY(!saved);
        if (under.tells) QVERIFY2(!prompt_->messages.isEmpty(), "the learner was not told");
        QCOMPARE(bytesOf(under.path()), oldBytes);
        QCOMPARE(under.read(), oldRead);
        // No half-written file is left beside it.
        QCOMPARE(filesUnder(root.path()), oldFiles);

        QVERIFY(under.save(1));
        QVERIFY(under.read() != oldRead);
    }

    void aSaveKilledAtARandomInstantLeavesAWholeFile_data() {
        QTest::addColumn<QString>("save");
        for (const Save& save : programSaves()) QTest::newRow(qPrintable(save.name)) << save.name;
    }

    void aSaveKilledAtARandomInstantLeavesAWholeFile() {
        QFETCH(QString, save);
        QTemporaryDir root;
        platform::setRoot(root.path());
        const Save under = programSave(save);
        // What each version reads as when it is saved alone, whole.
        QVERIFY(under.save(0));
        QVERIFY2(under.whole(under.read()), qPrintable(under.read()));

        QRandomGenerator random(20261209);
        for (int run = 0; run < 20; ++run) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("save-until-killed"), save, root.path(),
                         QString::number(1000 * (run + 1))});
            QVERIFY(child.waitForStarted());
            QTest::qSleep(int(random.bounded(20, 120)));
            child.kill();
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const QString read = under.read();
            QVERIFY2(under.whole(read), qPrintable(save + " read back as " + read));
        }
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "save-until-killed") == 0)
        return saveUntilKilled(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QByteArray(argv[4]).toInt());
    SaveFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_save_faults.moc"
