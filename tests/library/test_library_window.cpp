#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <algorithm>

#include "fakes/desktop.h"
#include "library/form2_library.h"
#include "library/library_catalog.h"
#include "library/library_cipher.h"
#include "platform/text_codec.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_settings.h"

using namespace tawen;

// The library window as a learner uses it: picking courses in the list,
// dragging over rows of the grid, leaving through the close box, and coming
// back to find the same choice.
class LibraryWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;

    Form2& library() { return forms().form<Form2>(); }

    QByteArray settingsBytes() const { return desktop_->root.read("User/tester.ini"); }

    QString saved(const char* key) const {
        return ReadSetting(QStringLiteral("词库"), QString::fromUtf8(key));
    }

    void writeSettings(const QString& lines) {
        desktop_->root.write("User/tester.ini", platform::encodeText(lines));
    }

    // The middle of a word's row in the grid, scrolled into view first.
    QPoint rowCentre(Form2& window, int row) {
        const QModelIndex cell = window.words->index(row - 1, 1);
        window.MSFlexGrid1->scrollTo(cell);
        return window.MSFlexGrid1->visualRect(cell).center();
    }

    // Presses on one row and lets go over another, the grid scrolling along
    // as it does while the pointer is held beyond its edge.
    void drag(Form2& window, int fromRow, int toRow) {
        QWidget* surface = window.MSFlexGrid1->viewport();
        QTest::mousePress(surface, Qt::LeftButton, {}, rowCentre(window, fromRow));
        const QPoint end = rowCentre(window, toRow);
        QTest::mouseMove(surface, end);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, end);
    }

    void shiftClick(Form2& window, int row) {
        QTest::mouseClick(window.MSFlexGrid1->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          rowCentre(window, row));
    }

    // The rows the grid shows highlighted, top to bottom.
    static QList<int> highlightedRows(Form2& window) {
        QList<int> rows;
        for (const QModelIndex& row : window.MSFlexGrid1->selectionModel()->selectedRows())
            rows.append(row.row() + 1);
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    static QList<int> rowsFrom(int first, int last) {
        QList<int> rows;
        for (int row = first; row <= last; ++row) rows.append(row);
        return rows;
    }

    int listRowOf(Form2& window, const QString& name) {
        const auto found = window.List1->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? -1 : window.List1->row(found.first());
    }

    void choose(Form2& window, const QString& name) {
        const int row = listRowOf(window, name);
        QVERIFY(row >= 0);
        window.List1->scrollToItem(window.List1->item(row));
        QTest::mouseClick(window.List1->viewport(), Qt::LeftButton, {},
                          window.List1->visualItemRect(window.List1->item(row)).center());
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        CurrentUser = QStringLiteral("tester");
        writeDefaultSettings();
    }

    void cleanup() { forms().discardAll(); }

    void aNewUserStartsWithTheFirstCourseWhole() {
        Form2& window = library();
        QCOMPARE(window.windowTitle(), QStringLiteral("塔文英语单词 - [词库]"));
        QCOMPARE(window.List1->count(), 97);
        QCOMPARE(window.List1->currentRow(), 0);
        QCOMPARE(CurrentCourseName, QStringLiteral("小学第一册(旧版)"));
        QVERIFY(window.words->wordCount() > 50);
        QVERIFY(window.Option1->isChecked());
        QCOMPARE(window.Text3->text(), QStringLiteral("1"));
        QCOMPARE(window.Text1->text(), QStringLiteral("50"));
        QVERIFY(!window.Text3->isEnabled() && !window.Text1->isEnabled());
        QCOMPARE(window.StatusPanel1->text(), QStringLiteral("课程：小学第一册(旧版)"));
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(1-50)"));
        QVERIFY(!window.StatusPanel2->isEnabled());
        QVERIFY(window.Command1->isEnabled() && window.Command3->isEnabled());
        QCOMPARE(window.MSFlexGrid1->toolTip(), QStringLiteral("可用鼠标圈选要学习的部分"));
        QCOMPARE(window.words->headerData(3, Qt::Horizontal).toString(), QStringLiteral("音标"));
    }

    // Its menus are the main window's, which in turn reads the library
    // window: asking for it first must still give one library window.
    void referencedFirstThereIsOnlyOneLibraryWindow() {
        Form2& window = library();
        int libraries = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<Form2*>(top)) ++libraries;
        QCOMPARE(libraries, 1);
        QCOMPARE(forms().existing<Form2>(), &window);
    }

    void draggingUpwardsKeepsTheOrderOfTheDragButSavesItOrdered() {
        Form2& window = library();
        window.show();
        drag(window, 40, 10);
        QCOMPARE(window.Text3->text(), QStringLiteral("40"));
        QCOMPARE(window.Text1->text(), QStringLiteral("10"));
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(40-10)"));
        QVERIFY(window.Option2->isChecked());
        QVERIFY(window.Text3->isEnabled() && window.StatusPanel2->isEnabled());
        const StudyRange range = window.studyRange();
        QCOMPARE(range.first, 10);
        QCOMPARE(range.last, 40);
        window.close();
        QCOMPARE(saved("词始"), QStringLiteral("10"));
        QCOMPARE(saved("词终"), QStringLiteral("40"));
        QCOMPARE(saved("全部"), QStringLiteral("False"));
        QCOMPARE(saved("名称"), QStringLiteral("小学第一册(旧版)"));
        QCOMPARE(saved("序号"), QStringLiteral("0"));
    }

    // Shift+click moves the end of the selection; its start stays where the
    // drag began, and what is studied and saved is what stands highlighted.
    void shiftClickAfterADragStudiesWhatIsHighlighted() {
        Form2& window = library();
        window.show();
        drag(window, 5, 13);
        shiftClick(window, 11);
        QCOMPARE(highlightedRows(window), rowsFrom(5, 11));
        QCOMPARE(window.Text3->text(), QStringLiteral("5"));
        QCOMPARE(window.Text1->text(), QStringLiteral("11"));
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(5-11)"));

        drag(window, 40, 30);
        shiftClick(window, 35);
        QCOMPARE(highlightedRows(window), rowsFrom(35, 40));
        QCOMPARE(window.Text3->text(), QStringLiteral("40"));
        QCOMPARE(window.Text1->text(), QStringLiteral("35"));
        shiftClick(window, 44);
        QCOMPARE(highlightedRows(window), rowsFrom(40, 44));
        QCOMPARE(window.Text3->text(), QStringLiteral("40"));
        QCOMPARE(window.Text1->text(), QStringLiteral("44"));
        window.close();
        QCOMPARE(saved("词始"), QStringLiteral("40"));
        QCOMPARE(saved("词终"), QStringLiteral("44"));
    }

    void aSingleClickStudiesOneWord() {
        Form2& window = library();
        window.show();
        drag(window, 7, 7);
        QCOMPARE(window.Text3->text(), QStringLiteral("7"));
        QCOMPARE(window.Text1->text(), QStringLiteral("7"));
        window.SaveLibraryChoice();
        QCOMPARE(saved("词始"), QStringLiteral("7"));
        QCOMPARE(saved("词终"), QStringLiteral("7"));
    }

    void theWholeOptionTakesEveryWordAndThePartOptionOnlyUnlocksTheBoxes() {
        Form2& window = library();
        window.show();
        drag(window, 3, 9);
        QTest::mouseClick(window.Option1, Qt::LeftButton);
        const QString all = QString::number(window.words->wordCount());
        QCOMPARE(window.Text3->text(), QStringLiteral("1"));
        QCOMPARE(window.Text1->text(), all);
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(1-") + all + u')');
        QVERIFY(!window.Text1->isEnabled() && !window.StatusPanel2->isEnabled());
        QCOMPARE(window.MSFlexGrid1->selectionModel()->selectedRows().size(),
                 window.words->wordCount());
        QTest::mouseClick(window.Option2, Qt::LeftButton);
        QVERIFY(window.Text1->isEnabled() && window.Label2->isEnabled());
        QVERIFY(window.StatusPanel2->isEnabled());
        QCOMPARE(window.Text1->text(), all);
    }

    void choosingACourseLoadsItWhole() {
        Form2& window = library();
        window.show();
        choose(window, QStringLiteral("大学四级英语"));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("CET4"));
        QCOMPARE(CurrentCourseName, QStringLiteral("大学四级英语"));
        QVERIFY(window.words->wordCount() >= 1000);
        QCOMPARE(window.words->TextMatrix(1, 1), QStringLiteral("a"));
        QCOMPARE(window.words->TextMatrix(1, 2), QStringLiteral("art. 一（个）"));
        QCOMPARE(window.Text1->text(), QString::number(window.words->wordCount()));
        QCOMPARE(window.StatusPanel1->text(), QStringLiteral("课程：大学四级英语"));
        QVERIFY(window.Option1->isChecked());
    }

    void aCourseWithoutItsFileKeepsThePreviousChoice() {
        QFile::remove(desktop_->root.path("Word/CET6.twn"));
        Form2& window = library();
        window.show();
        drag(window, 5, 8);
        const QByteArray settingsBefore = settingsBytes();
        choose(window, QStringLiteral("大学六级英语"));
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(desktop_->prompt.messages[0].text.contains(QStringLiteral("大学六级英语")));
        QVERIFY(desktop_->prompt.messages[0].text.contains(QStringLiteral("没有找到")));
        // The list shows the course whose words the grid holds, not the refused one.
        QCOMPARE(window.List1->currentRow(), 0);
        QCOMPARE(window.List1->selectedItems(), QList<QListWidgetItem*>{window.List1->item(0)});
        QCOMPARE(CurrentCourseName, QStringLiteral("小学第一册(旧版)"));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("xx1"));
        QCOMPARE(window.StatusPanel1->text(), QStringLiteral("课程：小学第一册(旧版)"));
        QCOMPARE(window.Text3->text(), QStringLiteral("5"));
        QCOMPARE(window.Text1->text(), QStringLiteral("8"));
        QCOMPARE(settingsBytes(), settingsBefore);
        window.close();
        QCOMPARE(saved("名称"), QStringLiteral("小学第一册(旧版)"));
        QCOMPARE(saved("词始"), QStringLiteral("5"));
    }

    // A course file that is there but gives no words: the learner is told
    // what is wrong with it, and the course in the grid stays chosen.
    void aDamagedCourseFileIsNamedForWhatIsWrong_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty") << "empty"
                               << "是空的";
        QTest::newRow("not a word file") << "plain"
                                         << "不是塔文英语单词的词库文件";
        QTest::newRow("a folder") << "folder"
                                  << "文件夹";
    }

    void aDamagedCourseFileIsNamedForWhatIsWrong() {
        QFETCH(QString, damage);
        QFETCH(QString, says);
        const QString file = desktop_->root.path("Word/CET6.twn");
        QFile::remove(file);
        if (damage == u"empty") {
            desktop_->root.write("Word/CET6.twn", QByteArray());
        } else if (damage == u"plain") {
            // A word list that was never enciphered deciphers into noise.
            desktop_->root.write(
                "Word/CET6.twn",
                platform::encodeText(QStringLiteral("apple#苹果#/ˈæpl/\r\n").repeated(100)));
        } else {
            QVERIFY(QDir().mkpath(file));
        }
        Form2& window = library();
        window.show();
        const int wordsBefore = window.words->wordCount();
        choose(window, QStringLiteral("大学六级英语"));
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        const RecordingPrompt::Message& message = desktop_->prompt.messages[0];
        QCOMPARE(message.title, QStringLiteral("错误提示"));
        QVERIFY2(message.text.contains(says), qPrintable(message.text));
        QVERIFY(message.text.contains(QStringLiteral("《大学六级英语》")));
        QVERIFY(!message.text.contains(QStringLiteral("没有找到")));
        QCOMPARE(window.words->wordCount(), wordsBefore);
        QCOMPARE(window.List1->selectedItems(), QList<QListWidgetItem*>{window.List1->item(0)});
        QCOMPARE(CurrentCourseName, QStringLiteral("小学第一册(旧版)"));
    }

    // The choice is stored in one save; when that fails the learner hears of
    // every key, in order, and the window still closes.
    void aChoiceThatCannotBeSavedIsReportedKeyByKey() {
        QFile::remove(desktop_->root.path("User/tester.ini"));
        QVERIFY(QDir().mkpath(desktop_->root.path("User/tester.ini")));
        Form2& window = library();
        window.show();
        drag(window, 3, 6);
        window.close();
        QCOMPARE(desktop_->prompt.texts(),
                 QStringList({"写名称出错！", "写序号出错！", "写全部出错！", "写词始出错！",
                              "写词终出错！"}));
        QVERIFY(!window.isVisible());
        QVERIFY(!forms().existing<Form2>());
    }

    void thePersonalLibraryIsNeverSaved() {
        QByteArray personal = platform::encodeText(u"mine#我的\r\nyours#你的\r\n");
        LibraryCipher::apply(personal, LibraryCipher::PersonalKey);
        desktop_->root.write("Word/Usertester.twn", personal);
        const QByteArray settingsBefore = settingsBytes();
        Form2& window = library();
        window.show();
        QCOMPARE(window.List1->count(), 98);
        choose(window, PersonalLibraryEntry);
        QCOMPARE(window.words->wordCount(), 2);
        QCOMPARE(window.words->TextMatrix(2, 2), QStringLiteral("你的"));
        window.close();
        QCOMPARE(settingsBytes(), settingsBefore);
    }

    void theChoiceComesBackAfterReopening() {
        Form2& window = library();
        window.show();
        choose(window, QStringLiteral("大学四级英语"));
        drag(window, 12, 30);
        window.close();
        QCOMPARE(saved("名称"), QStringLiteral("大学四级英语"));

        Form2& again = library();
        QCOMPARE(again.List1->currentItem()->text(), QStringLiteral("大学四级英语"));
        QCOMPARE(CurrentLibraryCode, QStringLiteral("CET4"));
        QVERIFY(again.Option2->isChecked());
        QCOMPARE(again.Text3->text(), QStringLiteral("12"));
        QCOMPARE(again.Text1->text(), QStringLiteral("30"));
        QCOMPARE(again.StatusPanel2->text(), QStringLiteral("学习：(12-30)"));
        QVERIFY(again.Text3->isEnabled());
    }

    void storedValuesOutsideTheListAndTableAreClamped() {
        const QString lastCode = LibraryCatalog::courses().back().code;
        desktop_->root.write("Word/" + lastCode + ".twn", desktop_->root.read("Word/CET4.twn"));
        writeSettings(
            QStringLiteral("[词库]\r\n名称=x\r\n序号=500\r\n全部=False\r\n"
                           "词始=abc\r\n词终=99999\r\n"));
        Form2& window = library();
        QCOMPARE(window.List1->currentRow(), 96);
        QCOMPARE(CurrentLibraryCode, lastCode);
        const int words = window.words->wordCount();
        QVERIFY(words > 0);
        QCOMPARE(window.Text3->text(), QStringLiteral("1"));
        QCOMPARE(window.Text1->text(), QString::number(words));
    }
};

QTEST_MAIN(LibraryWindowTest)
#include "test_library_window.moc"
