#include <QFile>
#include <QFileInfo>
#include <QTest>

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
