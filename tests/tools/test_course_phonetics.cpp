#include <QDir>
#include <QFile>
#include <QRawFont>
#include <QTest>

#include "tools/ipa_style.h"
#include "tools/ipa_table.h"

// The phonetic column of every course the program ships, held to the style of
// our notation, and the face that shows it.
class CoursePhoneticsTest : public QObject {
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

    void everyShippedPhoneticFieldIsInStyle_data() {
        QTest::addColumn<QString>("path");
        const QDir courses(QStringLiteral(TAWEN_COURSES_DIR));
        const QStringList names = courses.entryList({QStringLiteral("*.txt")}, QDir::Files);
        int shipped = 0;
        for (const QString& name : names) {
            if (name == QLatin1String("CMakeLists.txt")) continue;
            QTest::newRow(qPrintable(name)) << courses.filePath(name);
            ++shipped;
        }
        QVERIFY(shipped > 0);
    }

    void everyShippedPhoneticFieldIsInStyle() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        QStringList problems;
        int fields = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QStringList parts = lines[i].split(u'#');
            if (parts.size() < 3) continue;
            ++fields;
            for (const QString& problem : tawen::ipa::ipaStyleProblems(parts[2]))
                problems.append(QStringLiteral("line %1: %2").arg(i + 1).arg(problem));
        }
        QVERIFY(fields > 0);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join(u'\n')));
    }
};

QTEST_MAIN(CoursePhoneticsTest)
#include "test_course_phonetics.moc"
