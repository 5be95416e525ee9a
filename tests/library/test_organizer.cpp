#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "fakes/desktop.h"
#include "fakes/file_size_limit.h"
#include "fakes/personal_library_file.h"
#include "library/form13_organizer.h"
#include "library/form2_library.h"
#include "library/library_catalog.h"
#include "library/library_cipher.h"
#include "platform/text_codec.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_settings.h"

using namespace tawen;

// The organizer as a learner uses it: typing words into its input boxes,
// clicking its buttons and list, choosing files in its dialogs, and finding
// the personal library on disk and in the library window's course list.
class OrganizerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;
    const QString libraryFile_ = QStringLiteral("Word/Usertester.twn");
    const QString failedImport_ =
        QStringLiteral("导入的文件不能正确读入，可能文件被破坏或格式不合.");

    void writeLibrary(QStringView plaintext) {
        writePersonalLibraryText(desktop_->root, libraryFile_, plaintext);
    }

    QString libraryText() const { return personalLibraryText(desktop_->root, libraryFile_); }

    void answer(std::initializer_list<const char*> inputs) {
        for (const char* text : inputs)
            desktop_->prompt.inputAnswers.append(QString::fromUtf8(text));
    }

    // Each item as "word|meaning", in list order.
    static QStringList shown(const Form13& organizer) {
        QStringList items;
        for (int i = 0; i < organizer.ListView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = organizer.ListView1->topLevelItem(i);
            items << item->text(0) + u'|' + item->text(1);
        }
        return items;
    }

    static QString current(const Form13& organizer) {
        const QTreeWidgetItem* item = organizer.ListView1->currentItem();
        return item ? item->text(0) : QString();
    }

    static void pick(Form13& organizer, int index) {
        QTreeWidget* list = organizer.ListView1;
        const QRect place = list->visualItemRect(list->topLevelItem(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static bool listsPersonalRow(const Form2& library) {
        return !library.List1->findItems(PersonalLibraryEntry, Qt::MatchExactly).isEmpty();
    }

    std::unique_ptr<Form13> open() {
        auto organizer = std::make_unique<Form13>();
        organizer->show();
        if (!QTest::qWaitForWindowExposed(organizer.get())) return nullptr;
        return organizer;
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        CurrentUser = QStringLiteral("tester");
        writeDefaultSettings();
    }

    void cleanup() {
        if (QTest::currentTestFailed()) qWarning() << desktop_->prompt.texts();
        forms().discardAll();
    }

    void theMainWindowsToolMenuOpensItOverTheMainWindow() {
        writeLibrary(u"a#甲\r\nb#乙\r\n");
        Form6& main = forms().form<Form6>();
        main.show();
        QString opened;
        QTimer::singleShot(0, [&] {
            if (auto* organizer = qobject_cast<Form13*>(QApplication::activeModalWidget())) {
                opened = organizer->windowTitle();
                if (organizer->parentWidget() != &main)
                    opened += QStringLiteral(" (not over the main window)");
                organizer->close();
            }
        });
        main.mnuzl->trigger();
        QCOMPARE(opened, QStringLiteral("整理个人词库\u3000共2个词"));
    }

    void addingTakesEnglishWordsAndRefusesOthers() {
        const auto organizer = open();
        QCOMPARE(organizer->windowTitle(), QStringLiteral("整理个人词库\u3000共0个词"));
        QVERIFY(!organizer->Command2->isEnabled() && !organizer->Command4->isEnabled());

        answer({"ice cream", "冰淇淋", "well-known", "著名的"});
        click(organizer->Command1);
        QCOMPARE(organizer->windowTitle(), QStringLiteral("整理个人词库\u3000共1个词"));
        QVERIFY(organizer->Command2->isEnabled() && organizer->Command4->isEnabled());
        click(organizer->Command1);
        QCOMPARE(shown(*organizer), QStringList({"ice cream|冰淇淋", "well-known|著名的"}));
        QCOMPARE(desktop_->prompt.inputPrompts,
                 QStringList(
                     {"增加|请输入单词", "增加|请输入中文", "增加|请输入单词", "增加|请输入中文"}));

        answer({"ice奶", "冰奶"});
        click(organizer->Command1);
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].text, QStringLiteral("单词只能输入英文"));
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("cuow"));

        answer({"pear"});  // the meaning's box is cancelled
        click(organizer->Command1);
        click(organizer->Command1);  // the word's box is cancelled
        answer({"", "空"});
        click(organizer->Command1);
        QCOMPARE(shown(*organizer), QStringList({"ice cream|冰淇淋", "well-known|著名的"}));
        QCOMPARE(organizer->windowTitle(), QStringLiteral("整理个人词库\u3000共2个词"));
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QVERIFY(!QFile::exists(desktop_->root.path(libraryFile_)));
    }

    void deletingSelectsTheWordThatTookItsPlace() {
        writeLibrary(u"a#甲\r\nb#乙\r\nc#丙\r\n");
        const auto organizer = open();
        QCOMPARE(organizer->windowTitle(), QStringLiteral("整理个人词库\u3000共3个词"));
        pick(*organizer, 1);
        click(organizer->Command2);
        QCOMPARE(shown(*organizer), QStringList({"a|甲", "c|丙"}));
        QCOMPARE(current(*organizer), QStringLiteral("c"));
        click(organizer->Command2);
        QCOMPARE(current(*organizer), QStringLiteral("a"));
        QCOMPARE(organizer->windowTitle(), QStringLiteral("整理个人词库\u3000共1个词"));
        click(organizer->Command2);
        QVERIFY(shown(*organizer).isEmpty());
        QVERIFY(!organizer->Command2->isEnabled() && !organizer->Command4->isEnabled());
        QCOMPARE(organizer->windowTitle(), QStringLiteral("整理个人词库\u3000共0个词"));
        // Only 保存 reaches the file.
        QCOMPARE(libraryText(), QStringLiteral("a#甲\r\nb#乙\r\nc#丙\r\n"));
    }

    void movingStopsAtEitherEndAndKeepsTheWordSelected() {
        writeLibrary(u"a#甲\r\nb#乙\r\nc#丙\r\n");
        const auto organizer = open();
        pick(*organizer, 2);
        click(organizer->Command6);
        QCOMPARE(shown(*organizer), QStringList({"a|甲", "c|丙", "b|乙"}));
        click(organizer->Command6);
        click(organizer->Command6);
        QCOMPARE(shown(*organizer), QStringList({"c|丙", "a|甲", "b|乙"}));
        QCOMPARE(current(*organizer), QStringLiteral("c"));
        click(organizer->Command7);
        click(organizer->Command7);
        click(organizer->Command7);
        QCOMPARE(shown(*organizer), QStringList({"a|甲", "b|乙", "c|丙"}));
        QCOMPARE(current(*organizer), QStringLiteral("c"));
        pick(*organizer, 0);
        click(organizer->Command7);
        QCOMPARE(shown(*organizer), QStringList({"b|乙", "a|甲", "c|丙"}));
    }

    void anExportedBackupImportsIntoAnEmptyListAsItWas() {
        writeLibrary(u"lonely\r\napple#苹果#ˈæpəl\r\nice cream#冰淇淋\r\nbook#书#bʊk\r\n");
        const QString backup = desktop_->root.path("塔文单词.bak");
        {
            const auto organizer = open();
            click(organizer->Command4);  // the dialog is cancelled
            QVERIFY(!QFile::exists(backup));
            desktop_->prompt.fileAnswers << desktop_->root.path("no such folder/塔文单词.bak");
            click(organizer->Command4);
            QCOMPARE(desktop_->prompt.messages.size(), 1);
            QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
            QVERIFY(desktop_->prompt.messages[0].text.contains(QStringLiteral("没有导出成功")));
            desktop_->prompt.messages.clear();
            desktop_->prompt.fileAnswers << backup;
            click(organizer->Command4);
        }
        QVERIFY(QFile::exists(backup));
        QFile::remove(desktop_->root.path(libraryFile_));

        const auto empty = open();
        QVERIFY(shown(*empty).isEmpty());
        desktop_->prompt.fileAnswers << backup;
        click(empty->Command3);
        QCOMPARE(shown(*empty),
                 QStringList({"lonely|", "apple|苹果", "ice cream|冰淇淋", "book|书"}));
        QCOMPARE(empty->windowTitle(), QStringLiteral("整理个人词库\u3000共4个词"));
        QVERIFY(empty->Command2->isEnabled() && empty->Command4->isEnabled());
        // The phonetics came along unseen and reach the library on 保存.
        click(empty->Command5);
        QCOMPARE(
            libraryText(),
            QStringLiteral("lonely#\r\napple#苹果#ˈæpəl\r\nice cream#冰淇淋\r\nbook#书#bʊk\r\n"));
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void aFileThatIsNoBackupImportsNothing() {
        writeLibrary(u"a#甲\r\n");
        const auto organizer = open();
        const QString plain = desktop_->root.path("plain.bak");
        const QString empty = desktop_->root.path("empty.bak");
        desktop_->root.write("plain.bak", platform::encodeText(u"b#乙\r\nc#丙\r\n"));
        desktop_->root.write("empty.bak", {});
        // A course file, the personal library itself, a plaintext list, an
        // empty file: none of them is enciphered with the backup key.
        desktop_->prompt.fileAnswers << desktop_->root.path("Word/CET4.twn")
                                     << desktop_->root.path(libraryFile_) << plain << empty;
        for (int i = 0; i < 4; ++i) click(organizer->Command3);
        QCOMPARE(desktop_->prompt.texts(), QStringList(4, failedImport_));
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QCOMPARE(shown(*organizer), QStringList({"a|甲"}));
        click(organizer->Command3);  // the dialog is cancelled
        QCOMPARE(desktop_->prompt.messages.size(), 4);
        QCOMPARE(organizer->windowTitle(), QStringLiteral("整理个人词库\u3000共1个词"));
    }

    void savingListsTheLibraryAndReloadsItWhenChosen() {
        Form2& library = forms().form<Form2>();
        QVERIFY(!listsPersonalRow(library));
        {
            const auto organizer = open();
            answer({"ice cream", "冰淇淋"});
            click(organizer->Command1);
            click(organizer->Command5);
        }
        QCOMPARE(libraryText(), QStringLiteral("ice cream#冰淇淋\r\n"));
        QCOMPARE(library.List1->count(), LibraryCatalog::CourseCount + 1);
        QCOMPARE(library.List1->item(LibraryCatalog::CourseCount)->text(), PersonalLibraryEntry);

        library.List1->setCurrentRow(LibraryCatalog::CourseCount);
        QCOMPARE(library.words->wordCount(), 1);
        const auto organizer = open();
        answer({"well-known", "著名的"});
        click(organizer->Command1);
        click(organizer->Command5);
        QCOMPARE(library.List1->count(), LibraryCatalog::CourseCount + 1);
        QCOMPARE(library.words->wordCount(), 2);
        QCOMPARE(library.words->TextMatrix(2, 1), QStringLiteral("well-known"));
        QCOMPARE(library.Text1->text(), QStringLiteral("2"));
    }

    void savingAnEmptyListRemovesTheFileAndTheRow() {
        writeLibrary(u"a#甲\r\nb#乙\r\n");
        Form2& library = forms().form<Form2>();
        QVERIFY(listsPersonalRow(library));
        library.List1->setCurrentRow(LibraryCatalog::CourseCount);
        const auto organizer = open();
        click(organizer->Command2);
        click(organizer->Command2);
        click(organizer->Command5);
        QVERIFY(!QFile::exists(desktop_->root.path(libraryFile_)));
        QVERIFY(!listsPersonalRow(library));
        QCOMPARE(library.List1->count(), LibraryCatalog::CourseCount);
        // The library window no longer holds the words of a library now gone.
        QCOMPARE(library.List1->currentRow(), 0);
        QCOMPARE(CurrentLibraryCode, LibraryCatalog::courses()[0].code);
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void aFailingWriteKeepsTheOldLibraryAndTheCourseList() {
        writeLibrary(u"a#甲\r\n");
        const QByteArray before = desktop_->root.read(libraryFile_);
        Form2& library = forms().form<Form2>();
        const auto organizer = open();
        click(organizer->Command2);
        answer({"a rather long phrase to outgrow the limit", "长短语"});
        click(organizer->Command1);
        {
            const FileSizeLimit full(8);
            click(organizer->Command5);
        }
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(desktop_->prompt.messages[0].text.contains(QStringLiteral("没有保存成功")));
        QCOMPARE(desktop_->root.read(libraryFile_), before);
        QVERIFY(listsPersonalRow(library));
        QCOMPARE(QDir(desktop_->root.path("Word")).entryList({"Usertester*"}, QDir::Files),
                 QStringList({"Usertester.twn"}));
    }

    void aFirstSaveThatFailsAddsNoRow() {
        Form2& library = forms().form<Form2>();
        const auto organizer = open();
        answer({"a rather long phrase to outgrow the limit", "长短语"});
        click(organizer->Command1);
        {
            const FileSizeLimit full(8);
            click(organizer->Command5);
        }
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QVERIFY(!QFile::exists(desktop_->root.path(libraryFile_)));
        QVERIFY(!listsPersonalRow(library));
    }

    void aLibraryThatCannotBeReadIsNeverSavedOver() {
        QDir(desktop_->root.path("Word")).mkdir("Usertester.twn");
        const auto organizer = open();
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(!organizer->Command5->isEnabled());
        QVERIFY(QFileInfo(desktop_->root.path(libraryFile_)).isDir());
    }
};

QTEST_MAIN(OrganizerTest)
#include "test_organizer.moc"
