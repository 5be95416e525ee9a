#include <QTest>

#include "library/library_cipher.h"

using tawen::LibraryCipher;

class LibraryCipherTest : public QObject {
    Q_OBJECT

    static QByteArray applied(QByteArray data, std::string_view key) {
        LibraryCipher::apply(data, key);
        return data;
    }

  private slots:
    void publishedVectors_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("plaintext");
        QTest::addColumn<QByteArray>("ciphertext");
        QTest::newRow("Key") << QByteArray("Key") << QByteArray("Plaintext")
                             << QByteArray::fromHex("bbf316e8d940af0ad3");
        QTest::newRow("Wiki") << QByteArray("Wiki") << QByteArray("pedia")
                              << QByteArray::fromHex("1021bf0420");
        QTest::newRow("Secret") << QByteArray("Secret") << QByteArray("Attack at dawn")
                                << QByteArray::fromHex("45a01f645fc35b383552544b9bf5");
    }

    void publishedVectors() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, plaintext);
        QFETCH(QByteArray, ciphertext);
        QCOMPARE(applied(plaintext, key.toStdString()), ciphertext);
        QCOMPARE(applied(ciphertext, key.toStdString()), plaintext);
    }

    // RFC 6229, 40-bit key 0x0102030405: the key stream at offsets 0 and 1008.
    void keyStreamAtRfc6229Offsets() {
        const QByteArray stream = applied(QByteArray(1024, '\0'), "\x01\x02\x03\x04\x05");
        QCOMPARE(stream.first(16), QByteArray::fromHex("b2396305f03dc027ccc3524a0a1118a8"));
        QCOMPARE(stream.sliced(1008, 16), QByteArray::fromHex("45129048e6a0ed0b56b490338f078da5"));
    }

    void applyingTwiceRestoresTheInputWithEachKey() {
        QByteArray original;
        for (int n = 0; n < 5000; ++n) original.append(char(n * 7 + n / 256));
        for (std::string_view key :
             {LibraryCipher::CourseKey, LibraryCipher::PersonalKey, LibraryCipher::BackupKey}) {
            const QByteArray once = applied(original, key);
            QVERIFY(once != original);
            QCOMPARE(applied(once, key), original);
        }
    }

    void aOneByteArrayIsProcessed() {
        // The first key-stream byte of "Key" is 0xeb ("P" ^ 0xbb).
        QCOMPARE(applied(QByteArray(1, '\0'), "Key"), QByteArray::fromHex("eb"));
    }

    // A one-character key repeats over the whole key schedule, so it must agree
    // with the same character written out 256 times.
    void aOneCharacterKeyFillsTheWholeSchedule() {
        const QByteArray zeros(64, '\0');
        const std::string repeated(256, 'z');
        QCOMPARE(applied(zeros, "z"), applied(zeros, repeated));
    }

    void anEmptyKeyContinuesTheStream() {
        const QByteArray whole = applied(QByteArray(300, '\0'), "Secret");
        QByteArray first(100, '\0');
        QByteArray rest(200, '\0');
        LibraryCipher::apply(first, "Secret");
        LibraryCipher::apply(rest, "");
        QCOMPARE(first + rest, whole);
    }

    void aNewKeyStartsAFreshStream() {
        QByteArray before(10, '\0');
        LibraryCipher::apply(before, "Wiki");
        QCOMPARE(applied("pedia", "Wiki"), QByteArray::fromHex("1021bf0420"));
    }

    void anEmptyArrayIsLeftEmpty() {
        QByteArray empty;
        LibraryCipher::apply(empty, LibraryCipher::CourseKey);
        QVERIFY(empty.isEmpty());
    }
};

QTEST_APPLESS_MAIN(LibraryCipherTest)
#include "test_library_cipher.moc"
