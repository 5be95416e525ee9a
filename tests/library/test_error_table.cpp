#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "fakes/desktop.h"
#include "fakes/file_size_limit.h"
#include "fakes/personal_library_file.h"
#include "library/form2_library.h"
#include "library/form4_error_table.h"
#include "library/library_catalog.h"
#include "library/library_cipher.h"
#include "platform/text_codec.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_settings.h"

using namespace tawen;

// The error word table as a test window fills it and a learner uses it:
// misses handed over, check boxes clicked, words added by hand, 保存 pressed,
// and the personal library found on disk and in the library window's list.
class ErrorTableTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;
    const QString libraryFile_ = QStringLiteral("Word/Usertester.twn");

    void writeLibrary(QStringView plaintext) {
        writePersonalLibraryText(desktop_->root, libraryFile_, plaintext);
    }

    QString libraryText() const { return personalLibraryText(desktop_->root, libraryFile_); }

    static QStringList listed(const Form4& table) {
        QStringList items;
        for (int i = 0; i < table.ListView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = table.ListView1->topLevelItem(i);
            items << item->text(0) + u'|' + item->text(1) +
                         (item->checkState(0) == Qt::Checked ? QStringLiteral("|✓")
                                                             : QStringLiteral("|"));
        }
        return items;
    }

    // Clicks the check box in front of an item's word.
    static void toggle(Form4& table, int index) {
        QTreeWidget* list = table.ListView1;
        const QRect place = list->visualItemRect(list->topLevelItem(index));
        const int box = list->style()->pixelMetric(QStyle::PM_IndicatorWidth);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(place.left() + box / 2 + 3, place.center().y()));
    }

    static bool listsPersonalRow(const Form2& library) {
        return !library.List1->findItems(PersonalLibraryEntry, Qt::MatchExactly).isEmpty();
    }

    // The table as a test window leaves it: emptied when the test began, then
    // one hand-over per wrong answer, then shown.
    Form4& afterATest(std::initializer_list<WordEntry> misses) {
        Form4& table = forms().form<Form4>();
        table.clearMisses();
        for (const WordEntry& miss : misses) table.addMiss(miss);
        table.show();
        return table;
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        CurrentUser = QStringLiteral("tester");
        writeDefaultSettings();
    }

    void cleanup() { forms().discardAll(); }

    void itStandsAboveOtherWindowsWithItsDesignText() {
        Form4& table = forms().form<Form4>();
        QCOMPARE(table.windowTitle(), QStringLiteral("错误单词表"));
        QVERIFY(table.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(table.Label1->text(), QStringLiteral("错误0个单词，正确率为100%。"));
        QCOMPARE(table.ListView1->headerItem()->text(0), QStringLiteral("单词"));
        QCOMPARE(table.ListView1->headerItem()->text(1), QStringLiteral("解释"));
    }

    void theLibraryWindowsRememberButtonOpensItModally() {
        Form2& library = forms().form<Form2>();
        library.show();
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* table = qobject_cast<Form4*>(QApplication::activeModalWidget());
            opened = table == forms().existing<Form4>();
            if (table) QTest::mouseClick(table->Command1, Qt::LeftButton);
        });
        library.Command3->click();
        QVERIFY(opened);
        QVERIFY(library.isVisible());
    }

    void eachMissedWordIsListedOnceWhateverItsCase() {
        Form4& table = afterATest({{"inside", "在里面", ""},
                                   {"in", "在", ""},
                                   {"Inside", "在里面", ""},
                                   {"IN", "在", ""},
                                   {"ins", "插入", ""}});
        QCOMPARE(listed(table), QStringList({"inside|在里面|✓", "in|在|✓", "ins|插入|✓"}));
        // The next test starts from an empty table.
        afterATest({{"out", "外", ""}});
        QCOMPARE(listed(table), QStringList({"out|外|✓"}));
    }

    void withNoLibraryAndNothingCheckedSavingLeavesNoFileAndNoRow() {
        Form4& table = afterATest({{"apple", "苹果", ""}});
        Form2& library = forms().form<Form2>();
        toggle(table, 0);
        QCOMPARE(listed(table), QStringList({"apple|苹果|"}));
        QTest::mouseClick(table.Command3, Qt::LeftButton);
        QVERIFY(!QFile::exists(desktop_->root.path(libraryFile_)));
        QVERIFY(!listsPersonalRow(library));
        QVERIFY(!table.isVisible());
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void theCheckedWordsFollowTheLibrarysOwnWithTheirPhonetics() {
        writeLibrary(u"old#旧\r\nlonely\r\n");
        Form4& table =
            afterATest({{"apple", "苹果", "ˈæpəl"}, {"book", "书", "bʊk"}, {"cat", "猫", ""}});
        toggle(table, 1);
        QTest::mouseClick(table.Command3, Qt::LeftButton);
        QCOMPARE(libraryText(),
                 QStringLiteral("old#旧\r\nlonely#\r\napple#苹果#ˈæpəl\r\ncat#猫\r\n"));
        QVERIFY(listsPersonalRow(forms().form<Form2>()));
        QVERIFY(!table.isVisible());
    }

    void theFirstSavedWordsBringTheRowThatIsChosenReloads() {
        Form2& library = forms().form<Form2>();
        Form4& table = afterATest({{"apple", "苹果", ""}});
        QTest::mouseClick(table.Command3, Qt::LeftButton);
        QCOMPARE(library.List1->count(), LibraryCatalog::CourseCount + 1);
        QCOMPARE(library.List1->item(LibraryCatalog::CourseCount)->text(), PersonalLibraryEntry);
        library.List1->setCurrentRow(LibraryCatalog::CourseCount);
        QCOMPARE(library.words->wordCount(), 1);
        // Saving does not clear the table: a second 保存 appends again.
        table.show();
        QTest::mouseClick(table.Command3, Qt::LeftButton);
        QCOMPARE(libraryText(), QStringLiteral("apple#苹果\r\napple#苹果\r\n"));
        QCOMPARE(library.words->wordCount(), 2);
        QCOMPARE(library.List1->count(), LibraryCatalog::CourseCount + 1);
    }

    void anUnsureWordIsAddedByHandCheckedAndUnchecked() {
        Form4& table = afterATest({{"inside", "在里面", ""}});
        for (const char* text : {"inside", "在里面", "冰qi", "冰", "ice cream", "冰淇淋"})
            desktop_->prompt.inputAnswers.append(QString::fromUtf8(text));
        for (int i = 0; i < 3; ++i) QTest::mouseClick(table.Command2, Qt::LeftButton);
        QCOMPARE(listed(table),
                 QStringList({"inside|在里面|✓", "inside|在里面|✓", "ice cream|冰淇淋|✓"}));
        QCOMPARE(desktop_->prompt.texts(), QStringList({"单词只能输入英文"}));
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("cuow"));
        QTest::mouseClick(table.Command1, Qt::LeftButton);
        QVERIFY(!table.isVisible());
        QCOMPARE(listed(table).size(), 3);
        QVERIFY(!QFile::exists(desktop_->root.path(libraryFile_)));
    }

    void aFailingWriteKeepsTheLibraryAndTheTableOpen() {
        writeLibrary(u"old#旧\r\n");
        const QByteArray before = desktop_->root.read(libraryFile_);
        Form4& table = afterATest({{"a rather long phrase to outgrow the limit", "长短语", ""}});
        {
            const FileSizeLimit full(8);
            QTest::mouseClick(table.Command3, Qt::LeftButton);
        }
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QCOMPARE(desktop_->root.read(libraryFile_), before);
        QVERIFY(table.isVisible());
        QVERIFY(listsPersonalRow(forms().form<Form2>()));
    }

    void aLibraryThatCannotBeReadIsNotReplacedByTheNewWords() {
        QDir(desktop_->root.path("Word")).mkdir("Usertester.twn");
        Form4& table = afterATest({{"apple", "苹果", ""}});
        QTest::mouseClick(table.Command3, Qt::LeftButton);
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(desktop_->prompt.messages[0].text.contains(QStringLiteral("不能读入")));
        QVERIFY(QFileInfo(desktop_->root.path(libraryFile_)).isDir());
        QVERIFY(table.isVisible());
    }
};

QTEST_MAIN(ErrorTableTest)
#include "test_error_table.moc"
