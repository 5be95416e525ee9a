#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "fakes/desktop.h"
#include "library/form2_library.h"
#include "library/library_catalog.h"
#include "library/library_cipher.h"
#include "library/library_files.h"
#include "library/word_table.h"
#include "platform/paths.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "tools/headword_phonetics.h"
#include "tools/ipa_style.h"

using namespace tawen;

namespace {

const QString CoursesDir = QStringLiteral(TAWEN_COURSES_DIR);

// The headwords of a course list, after its "#" header lines; a second
// column (a topic) is not part of the headword.
QStringList listedHeadwords(const QString& code) {
    QFile file(CoursesDir + u'/' + code + QStringLiteral(".list"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList headwords;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        headwords.append(line.section(u'\t', 0, 0));
    }
    return headwords;
}

}  // namespace

// Every course the build ships, read back the way the program reads it.
class ShippedCoursesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { platform::setRoot(QStringLiteral(TAWEN_STAGE_DIR)); }

    // A learner picks every course of the list in turn; each opens whole,
    // without a message.
    void everyCatalogCourseOpensInTheLibraryWindow() {
        Desktop desktop;
        CurrentUser = QStringLiteral("tester");
        QVERIFY(writeDefaultSettings());
        Form2& window = forms().form<Form2>();
        window.show();
        QCOMPARE(window.List1->count(), LibraryCatalog::CourseCount);
        for (const CatalogEntry& course : LibraryCatalog::courses()) {
            QListWidgetItem* item = window.List1->item(course.position);
            QCOMPARE(item->text(), course.displayName);
            window.List1->scrollToItem(item);
            QTest::mouseClick(window.List1->viewport(), Qt::LeftButton, {},
                              window.List1->visualItemRect(item).center());
            QVERIFY2(desktop.prompt.messages.isEmpty(),
                     qPrintable(course.code + u' ' + desktop.prompt.texts().join(u' ')));
            QCOMPARE(CurrentLibraryCode, course.code);
            QCOMPARE(window.words->wordCount(), listedHeadwords(course.code).size());
        }
        forms().discardAll();
    }

    void everyCourseHoldsItsListWithMeaningsAndPhonetics_data() {
        QTest::addColumn<QString>("code");
        const QStringList lists =
            QDir(CoursesDir).entryList({QStringLiteral("*.list")}, QDir::Files, QDir::Name);
        QVERIFY(!lists.isEmpty());
        for (const QString& list : lists) {
            const QString code = list.chopped(5);
            QTest::newRow(qPrintable(code)) << code;
        }
    }

    void everyCourseHoldsItsListWithMeaningsAndPhonetics() {
        QFETCH(QString, code);
        const QStringList headwords = listedHeadwords(code);
        QCOMPARE(QSet<QString>(headwords.begin(), headwords.end()).size(), headwords.size());

        WordTable table;
        QVERIFY(LoadWordFile(code, LibraryCipher::CourseKey, table));
        QCOMPARE(table.wordCount(), headwords.size());
        static const QRegularExpression chinese(QStringLiteral("\\p{Han}"));
        for (int row = 1; row <= table.wordCount(); ++row) {
            const QString word = table.TextMatrix(row, 1);
            const QString meaning = table.TextMatrix(row, 2);
            const QString phonetic = table.TextMatrix(row, 3);
            const QByteArray where =
                QStringLiteral("%1 row %2 (%3)").arg(code).arg(row).arg(word).toUtf8();
            QVERIFY2(word == headwords[row - 1], where.constData());
            QVERIFY2(meaning.contains(chinese), where.constData());
            if (ipa::takesPhonetic(word)) {
                QVERIFY2(
                    phonetic.size() > 2 && phonetic.startsWith(u'[') && phonetic.endsWith(u']'),
                    where.constData());
            }
            const QStringList problems = ipa::ipaStyleProblems(phonetic);
            QVERIFY2(problems.isEmpty(), (where + ' ' + problems.join(u' ').toUtf8()).constData());
        }
    }
};

QTEST_MAIN(ShippedCoursesTest)
#include "test_shipped_courses.moc"
