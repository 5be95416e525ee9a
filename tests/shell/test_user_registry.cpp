#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "fakes/file_size_limit.h"
#include "fakes/temp_root.h"
#include "platform/text_codec.h"
#include "shell/user_registry.h"

using namespace tawen;

class UserRegistryTest : public QObject {
    Q_OBJECT

    static QStringList names(const QList<UserRecord>& records) {
        QStringList result;
        for (const UserRecord& r : records) result << r.name;
        return result;
    }

  private slots:
    void recordIsTwoBlankPaddedFields() {
        const QByteArray bytes = encodeUserRecord({"bob", "pw"});
        QCOMPARE(bytes.size(), 36);
        QCOMPARE(bytes, QByteArray("bob") + QByteArray(15, ' ') + "pw" + QByteArray(16, ' '));
    }

    void longChineseNameIsCutAtACharacterBoundary() {
        // Ten characters of two bytes are 20 bytes: nine fit.
        const QByteArray even = encodeUserRecord({QString(10, QChar(0x5F20)), "x"});
        QCOMPARE(even.left(18), platform::encodeText(QString(9, QChar(0x5F20))));
        // One letter first makes the tenth byte pair straddle byte 18: it is
        // left out and the field padded, never split.
        const QByteArray odd = encodeUserRecord({u'a' + QString(9, QChar(0x5F20)), "x"});
        QCOMPARE(odd.left(18), platform::encodeText(u'a' + QString(8, QChar(0x5F20))) + ' ');
        QCOMPARE(decodeUserRecord(odd).name, u'a' + QString(8, QChar(0x5F20)));
    }

    // Lone surrogates cannot be encoded as themselves; whatever the encoder
    // makes of them, the field stays 18 bytes and the next record stays put.
    void everyRecordIsThirtySixBytesWhateverTheNameHolds_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("lone high surrogates") << QString(20, QChar(0xD800));
        QTest::newRow("lone low surrogates") << QString(20, QChar(0xDC00));
        QTest::newRow("high surrogate before letters")
            << (QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("bcdefgh") + QChar(0xD83D) +
                QStringLiteral("ijklmnopq"));
        QTest::newRow("four-byte characters") << QString::fromUcs4(
            U"\U0001F600\U00020000abc"
            U"\U0001F600\U00020000");
        QTest::newRow("mixed widths")
            << (QStringLiteral("ab") + QString(7, QChar(0x4E2D)) + QStringLiteral("cd"));
    }

    void everyRecordIsThirtySixBytesWhateverTheNameHolds() {
        QFETCH(QString, name);
        TempRoot root;
        const UserRegistry registry(UserRegistry::defaultPath());
        QCOMPARE(encodeUserRecord({name, name}).size(), 36);
        QVERIFY(registry.append({"ann", "1"}));
        QVERIFY(registry.append({name, name}));
        QCOMPARE(root.read("system/List.sys").size(), 72);
        QVERIFY(registry.append({"bob", "3"}));
        const QByteArray bytes = root.read("system/List.sys");
        QCOMPARE(bytes.size(), 108);
        QCOMPARE(bytes.right(36), encodeUserRecord({"bob", "3"}));
        const QList<UserRecord> records = registry.records();
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[2].name, QStringLiteral("bob"));
        // What fits is kept whole: the stored name is a prefix of the typed one
        // wherever the name could be encoded as it is.
        const QString stored = records[1].name;
        if (platform::decodeText(platform::encodeText(name)) == name)
            QVERIFY(name.startsWith(stored));
    }

    void blankRecordsAreNotListedButKept() {
        TempRoot root;
        const QByteArray before =
            encodeUserRecord({"ann", "1"}) + QByteArray(36, ' ') + encodeUserRecord({"bob", "2"});
        root.write("system/List.sys", before);
        const UserRegistry registry(UserRegistry::defaultPath());
        QCOMPARE(names(registry.records()), (QStringList{"ann", "bob"}));
        QVERIFY(registry.append({"cy", "3"}));
        QCOMPARE(root.read("system/List.sys"), before + encodeUserRecord({"cy", "3"}));
    }

    void aFailedAppendLeavesTheListAsItWas_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("disk full half-way") << "full";
        QTest::newRow("list cannot be read") << "folder";
    }

    void aFailedAppendLeavesTheListAsItWas() {
        QFETCH(QString, fault);
        TempRoot root;
        const UserRegistry registry(UserRegistry::defaultPath());
        QVERIFY(registry.append({"ann", "1"}));
        QVERIFY(registry.append({"bob", "2"}));
        const QByteArray before = root.read("system/List.sys");
        bool appended = true;
        if (fault == "full") {
            const FileSizeLimit fullAfter(90);  // half of the new record fits
            appended = registry.append({"cy", "3"});
        } else {
            QVERIFY(QFile::rename(root.path("system/List.sys"), root.path("system/kept")));
            QVERIFY(QDir(root.path("system")).mkdir("List.sys"));
            appended = registry.append({"cy", "3"});
            QVERIFY(QDir(root.path("system/List.sys")).removeRecursively());
            QVERIFY(QFile::rename(root.path("system/kept"), root.path("system/List.sys")));
        }
        QVERIFY(!appended);
        QCOMPARE(root.read("system/List.sys"), before);
        QCOMPARE(QDir(root.path("system")).entryList(QDir::Files), QStringList{"List.sys"});
    }

    void readingStripsBlanksAtBothEnds() {
        const QByteArray bytes =
            QByteArray("  ann") + QByteArray(13, ' ') + " secret" + QByteArray(11, ' ');
        const UserRecord record = decodeUserRecord(bytes);
        QCOMPARE(record.name, QStringLiteral("ann"));
        QCOMPARE(record.password, QStringLiteral("secret"));
    }

    void missingFileIsCreatedEmpty() {
        TempRoot root;
        const UserRegistry registry(UserRegistry::defaultPath());
        QVERIFY(registry.records().isEmpty());
        QVERIFY(QFileInfo(root.path("system/List.sys")).isFile());
        QCOMPARE(QFileInfo(root.path("system/List.sys")).size(), 0);
    }

    void appendsInCreationOrderOneEntryPerRecord() {
        TempRoot root;
        const UserRegistry registry(UserRegistry::defaultPath());
        QVERIFY(registry.append({"ann", "1"}));
        QVERIFY(registry.append({"李雷", "2"}));
        QVERIFY(registry.append({"bob", "3"}));
        QCOMPARE(root.read("system/List.sys").size(), 108);
        QCOMPARE(root.read("system/List.sys").mid(36, 36), encodeUserRecord({"李雷", "2"}));
        QCOMPARE(names(registry.records()), (QStringList{"ann", "李雷", "bob"}));
    }

    void tornTrailingRecordIsReplacedNotListed() {
        TempRoot root;
        root.write("system/List.sys", encodeUserRecord({"ann", "1"}) + "half a rec");
        const UserRegistry registry(UserRegistry::defaultPath());
        QCOMPARE(names(registry.records()), QStringList{"ann"});
        QVERIFY(registry.append({"bob", "2"}));
        QCOMPARE(root.read("system/List.sys").size(), 72);
        QCOMPARE(names(registry.records()), (QStringList{"ann", "bob"}));
    }
};

QTEST_MAIN(UserRegistryTest)
#include "test_user_registry.moc"
