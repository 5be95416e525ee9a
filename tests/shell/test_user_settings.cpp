#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <unistd.h>

#include "fakes/file_size_limit.h"
#include "fakes/recording_prompt.h"
#include "fakes/temp_root.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "shell/session.h"
#include "shell/user_settings.h"

using namespace tawen;

class UserSettingsTest : public QObject {
    Q_OBJECT

    QString sectionsOf(const QByteArray& bytes) {
        QStringList names;
        for (const QString& line : platform::decodeText(bytes).split(QStringLiteral("\r\n")))
            if (line.startsWith(u'[')) names << line;
        return names.join(u',');
    }

  private slots:
    void profileRulesOnRead() {
        TempRoot root;
        root.write("s.ini",
                   platform::encodeText(u"[Section]\r\n  Key  =  some value  \r\nKEY=later line\r\n"
                                        u"[词库]\nname=unix line\rOther=cr line\r\n"));
        const QString path = root.path("s.ini");
        QCOMPARE(platform::readIniValue(path, u"SECTION", u"key"), QStringLiteral("some value"));
        QCOMPARE(platform::readIniValue(path, u"词库", u"NAME"), QStringLiteral("unix line"));
        QCOMPARE(platform::readIniValue(path, u"词库", u"other"), QStringLiteral("cr line"));
        QCOMPARE(platform::readIniValue(path, u"Section", u"name"), QString());
        QCOMPARE(platform::readIniValue(path, u"none", u"Key"), QString());
    }

    void longValueReadsBackAt254BytesWithoutSplittingACharacter() {
        TempRoot root;
        const QString value = u'a' + QString(200, QChar(0x4E2D));  // 1 + 400 bytes
        QVERIFY(platform::writeIniValue(root.path("s.ini"), u"x", u"k", value));
        const QString read = platform::readIniValue(root.path("s.ini"), u"x", u"k");
        QCOMPARE(platform::encodedLength(read), 253);
        QVERIFY(value.startsWith(read));
    }

    void missingFileReadsEmptyAndCreatesNothing() {
        TempRoot root;
        CurrentUser = QStringLiteral("nobody");
        QCOMPARE(ReadSetting("词库", "名称"), QString());
        QVERIFY(!QFileInfo::exists(SettingsPath()));
    }

    void writeReplacesInPlaceAndKeepsOrder() {
        TempRoot root;
        root.write("s.ini", "[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\nx=3\r\n");
        const QString path = root.path("s.ini");
        QVERIFY(platform::writeIniValue(path, u"A", u"X", u"9"));
        QVERIFY(platform::writeIniValue(path, u"a", u"z", u"new"));
        QVERIFY(platform::writeIniValue(path, u"c", u"k", u"v"));
        QVERIFY(platform::writeIniValue(path, u"c", u"k", u"last"));
        QCOMPARE(root.read("s.ini"), QByteArray("[a]\r\nX=9\r\ny=2\r\nz=new\r\n\r\n[b]\r\nx=3\r\n"
                                                "[c]\r\nk=last\r\n"));
    }

    void chineseValueRoundTripsAsGb18030() {
        TempRoot root;
        CurrentUser = QStringLiteral("学生");
        QVERIFY(WriteSetting("词库", "名称", "大学四级英语"));
        QCOMPARE(ReadSetting("词库", "名称"), QStringLiteral("大学四级英语"));
        const QByteArray onDisk = root.read("User/学生.ini");
        QVERIFY(onDisk.contains(platform::encodeText(u"名称=大学四级英语\r\n")));
        QVERIFY(!onDisk.contains(QStringLiteral("大学").toUtf8()));
    }

    void newUserFileHoldsTheFiveSectionsInOrder() {
        TempRoot root;
        CurrentUser = QStringLiteral("bob");
        RecordingPrompt& prompt = installRecordingPrompt();
        writeDefaultSettings();
        QVERIFY(prompt.messages.isEmpty());
        const QByteArray bytes = root.read("User/bob.ini");
        QCOMPARE(sectionsOf(bytes), QStringLiteral("[词库],[初记],[复习],[巩固],[小窗口]"));
        QCOMPARE(bytes.count("\r\n"), 5 + 38);
        QCOMPARE(ReadSetting("词库", "名称"), QStringLiteral("小学英语第一册"));
        QCOMPARE(ReadSetting("词库", "词终"), QStringLiteral("50"));
        QCOMPARE(ReadSetting("初记", "缓出中文"), QStringLiteral("True"));
        QCOMPARE(ReadSetting("初记", "间隔秒数"), QStringLiteral("3"));
        QCOMPARE(ReadSetting("复习", "英文选项"), QStringLiteral("False"));
        QCOMPARE(ReadSetting("巩固", "许错遍数"), QStringLiteral("3"));
        QCOMPARE(ReadSetting("小窗口", "位置Y"), QStringLiteral("3800"));
    }

    void eachFailedWriteShowsItsKeysMessage_data() {
        QTest::addColumn<QString>("folderState");
        QTest::newRow("missing User folder") << "missing";
        QTest::newRow("User is a file") << "file";
        QTest::newRow("read-only User folder") << "read-only";
    }

    void eachFailedWriteShowsItsKeysMessage() {
        QFETCH(QString, folderState);
        TempRoot root;
        const QString users = root.path("User");
        QDir(users).removeRecursively();
        if (folderState == "file") root.write("User", "not a folder");
        if (folderState == "read-only") {
            if (geteuid() == 0) QSKIP("root writes into read-only folders");
            QDir().mkpath(users);
            QFile::setPermissions(users, QFile::ReadOwner | QFile::ExeOwner);
        }
        CurrentUser = QStringLiteral("bob");
        RecordingPrompt& prompt = installRecordingPrompt();
        writeDefaultSettings();
        QCOMPARE(prompt.messages.size(), 38);
        QCOMPARE(prompt.messages[0].text, QStringLiteral("写名称出错！"));
        QCOMPARE(prompt.messages[0].title, QString());
        QCOMPARE(prompt.messages[4].text, QStringLiteral("写词终出错！"));
        QCOMPARE(prompt.messages[5].text, QStringLiteral("英文发音出错！"));
        QCOMPARE(prompt.messages[26].text, QStringLiteral("隔读秒数出错！"));
        QCOMPARE(prompt.messages[35].text, QStringLiteral("间隔时间出错！"));
        QVERIFY(prompt.messages[36].text.contains(QStringLiteral("位置X")));
        QVERIFY(prompt.messages[37].text.contains(QStringLiteral("位置Y")));
        QVERIFY(!QFileInfo::exists(SettingsPath()));
        QFile::setPermissions(users, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void failedWriteLeavesTheEarlierValue() {
        TempRoot root;
        CurrentUser = QStringLiteral("bob");
        QVERIFY(WriteSetting("巩固", "许错遍数", "3"));
        if (geteuid() == 0) QSKIP("root writes into read-only files");
        QFile::setPermissions(SettingsPath(), QFile::ReadOwner);
        RecordingPrompt& prompt = installRecordingPrompt();
        QVERIFY(!WriteSetting("巩固", "许错遍数", "5"));
        QCOMPARE(prompt.texts(), QStringList{QStringLiteral("许错遍数出错！")});
        QCOMPARE(ReadSetting("巩固", "许错遍数"), QStringLiteral("3"));
    }

    // The disk fills up while the new file is being written.
    void aSaveThatFailsHalfWayLeavesTheFileByteForByte() {
        TempRoot root;
        CurrentUser = QStringLiteral("bob");
        QVERIFY(writeDefaultSettings());
        const QByteArray before = root.read("User/bob.ini");
        RecordingPrompt& prompt = installRecordingPrompt();
        {
            const FileSizeLimit fullAfter(before.size() / 2);
            QVERIFY(!WriteSettings("初记", {{"英文发音", "0"}, {"朗读遍数", "5"}}));
            QVERIFY(!WriteSetting("词库", "名称", "大学四级英语"));
            QVERIFY(!writeDefaultSettings());
        }
        QCOMPARE(root.read("User/bob.ini"), before);
        QCOMPARE(prompt.messages.size(), 3 + 38);
        QCOMPARE(prompt.texts().first(4),
                 (QStringList{"英文发音出错！", "朗读遍数出错！", "写名称出错！", "写名称出错！"}));
        QCOMPARE(QDir(root.path("User")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"bob.ini"});
    }

    void failureMessagesOfTheOtherSections() {
        QCOMPARE(writeFailureMessage("初记精灵", "名称2"), QStringLiteral("写名称2出错！"));
        QCOMPARE(writeFailureMessage("复习", "选错复读"), QStringLiteral("选错复读出错！"));
    }
};

QTEST_MAIN(UserSettingsTest)
#include "test_user_settings.moc"
