#include <QRawFont>
#include <QTest>

#include "tools/ipa_table.h"

// The face that shows the phonetic column.
class PhoneticFaceTest : public QObject {
    Q_OBJECT

  private slots:
    // The first-learn window shows phonetics in the face that ships as
    // Dfhgwprn.ttf: it must have a glyph for every symbol the notation writes.
    void thePhoneticFaceDrawsEverySymbolOfTheNotation() {
        const QRawFont face(QStringLiteral(TAWEN_STAGE_DIR "/Dfhgwprn.ttf"), 16);
        QVERIFY(face.isValid());
        using namespace tawen::ipa;
        const QStringList symbols = vowelSymbols() + consonantSymbols() +
                                    QStringList{kPrimaryStress, kSecondaryStress, u" "_qs};
        for (const QString& symbol : symbols) {
            for (const char32_t c : symbol.toUcs4())
                QVERIFY2(face.supportsCharacter(c), qPrintable(symbol));
        }
    }
};

QTEST_MAIN(PhoneticFaceTest)
#include "test_phonetic_face.moc"
