#include <QTest>

#include <random>

#include "platform/gb18030_decoder.h"
#include "platform/text_codec.h"

using namespace platform;

// The fast decoder must give exactly what the system's converter gives, for
// word files as they are and for bytes that are anything but.
class Gb18030Test : public QObject {
    Q_OBJECT

    static QByteArray randomBytes(std::mt19937& random, int length, bool nearlyText) {
        // Mostly pieces that look like GB18030, with the bytes it treats
        // specially mixed in, so broken sequences land everywhere.
        static const QByteArray pieces[] = {"a",
                                            "#",
                                            "\r\n",
                                            "\r",
                                            "\n",
                                            "\xb0\xa1",
                                            "\x81\x30",
                                            "\x81\x30\x81\x30",
                                            "\x84\x31\xa4\x39",
                                            "\xfe\xfe",
                                            "\x80",
                                            "\xff",
                                            "\x81",
                                            "\xa8\x7f",
                                            "\x90\x30\x81\x30"};
        QByteArray bytes;
        std::uniform_int_distribution<int> piece(0, int(std::size(pieces)) - 1);
        std::uniform_int_distribution<int> anyByte(0, 255);
        while (bytes.size() < length) {
            if (nearlyText)
                bytes.append(pieces[piece(random)]);
            else
                bytes.append(char(anyByte(random)));
        }
        return bytes;
    }

  private slots:
    void realTextComesBackAsItWas() {
        const QString text = QStringLiteral(
            "abandon#v. 放弃；抛弃#[əbˈændən]\r\n𠀀 and ㄅ and €#ŋ ʃ ʒ θ ð ː\r\nlast line");
        QCOMPARE(decodeGb18030(encodeText(text)), text);
    }

    void everyDoubleByteCharacterAgreesWithTheConverter() {
        QByteArray all;
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail)
                all.append(char(lead)).append(char(trail));
        QCOMPARE(decodeGb18030(all), decodeGb18030Reference(all));
    }

    // IPA symbols are four-byte characters; so is everything else GBK lacks
    // below U+10000.
    void everyFourByteCharacterBelowU10000AgreesWithTheConverter() {
        QByteArray all;
        for (int index = 0; index < 39420; ++index) {
            all.append(char(0x81 + index / 12600)).append(char(0x30 + index / 1260 % 10));
            all.append(char(0x81 + index / 10 % 126)).append(char(0x30 + index % 10));
        }
        const QString fast = decodeGb18030(all);
        QCOMPARE(fast.size(), 39420);
        QCOMPARE(fast, decodeGb18030Reference(all));
    }

    // A typed name is kept within its field by this count, worked out
    // without the converter.
    void theEncodedLengthOfEveryCharacterAgreesWithTheConverter() {
        for (char32_t character = 1; character < 0x10000; ++character) {
            const QString text = QString(QChar(char16_t(character)));
            if (encodedLength(text) != encodeText(text).size())
                QFAIL(qPrintable(QStringLiteral("U+%1").arg(quint32(character), 4, 16)));
        }
        const QString mixed =
            QStringLiteral("名字 name 𠀀ŋ€") + QChar(0xD800) + QStringLiteral("ok");
        QCOMPARE(encodedLength(mixed), encodeText(mixed).size());
        QCOMPARE(encodedLength(QStringLiteral("𠀀")), 4);
    }

    void brokenBytesAgreeWithTheConverter_data() {
        QTest::addColumn<bool>("nearlyText");
        QTest::newRow("pieces of text") << true;
        QTest::newRow("any bytes") << false;
    }

    void brokenBytesAgreeWithTheConverter() {
        QFETCH(bool, nearlyText);
        std::mt19937 random(nearlyText ? 7 : 11);
        for (int round = 0; round < 3000; ++round) {
            const QByteArray bytes = randomBytes(random, 1 + round % 40, nearlyText);
            const QString fast = decodeGb18030(bytes);
            const QString reference = decodeGb18030Reference(bytes);
            if (fast != reference)
                QFAIL(qPrintable(QStringLiteral("bytes %1 give %2 instead of %3")
                                     .arg(QString::fromLatin1(bytes.toHex(' ')),
                                          QString::fromLatin1(fast.toUtf8().toHex(' ')),
                                          QString::fromLatin1(reference.toUtf8().toHex(' ')))));
        }
    }
};

QTEST_GUILESS_MAIN(Gb18030Test)
#include "test_gb18030.moc"
