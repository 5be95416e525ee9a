#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "fakes/desktop.h"
#include "library/form2_library.h"
#include "platform/text_codec.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "study/form8_first_learn.h"

using namespace tawen;

// The main window after login: what it says about the learner and the
// course, where its menus and buttons lead, and what it leaves on disk when
// the learner ends the run one way or the other.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;

    QByteArray settingsBytes() const { return desktop_->root.read("User/tester.ini"); }

    void startAs(const QString& user) { CurrentUser = user; }

    Form6& openMain() {
        Form6& main = forms().form<Form6>();
        main.show();
        return main;
    }

    // Narrows the range as a learner would, by a click on one row of the grid.
    void pickRow(Form2& library, int row) {
        const QModelIndex cell = library.words->index(row - 1, 1);
        library.MSFlexGrid1->scrollTo(cell);
        QTest::mouseClick(library.MSFlexGrid1->viewport(), Qt::LeftButton, {},
                          library.MSFlexGrid1->visualRect(cell).center());
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        startAs(QStringLiteral("tester"));
    }

    void cleanup() {
        forms().discardAll();
        desktop_.reset();
    }

    void aUserWithASavedCourseSeesItsLine() {
        writeDefaultSettings();
        Form6& main = openMain();
        QCOMPARE(main.windowTitle(), QStringLiteral("塔文英语单词"));
        QCOMPARE(main.Label1->text(), QStringLiteral("用户：tester"));
        QCOMPARE(main.Label2->text(), QStringLiteral("课程：小学第一册(旧版) (1-50)"));
        QCOMPARE(main.Label3->text(), QString());
        QCOMPARE(CurrentCourseName, QStringLiteral("小学第一册(旧版)"));
        QCOMPARE(SettingsPath(), desktop_->root.path("User/tester.ini"));
        QCOMPARE(desktop_->speech.registrations, 1);
        // The library window is loaded, hidden, with the course in its table.
        Form2* library = forms().existing<Form2>();
        QVERIFY(library && !library->isVisible());
        QVERIFY(library->words->wordCount() > 0);
    }

    // At login only the user is known; the windows find the settings file
    // from the name themselves.
    void aSavedRangeComesBackAtTheNextLogin() {
        desktop_->root.write("User/tester.ini",
                             platform::encodeText(u"[词库]\r\n名称=大学四级英语\r\n序号=63\r\n"
                                                  u"全部=False\r\n词始=5\r\n词终=9\r\n"));
        Form6& main = openMain();
        QCOMPARE(main.Label2->text(), QStringLiteral("课程：大学四级英语 (5-9)"));
        const Form2* library = forms().existing<Form2>();
        QCOMPARE(library->List1->currentItem()->text(), QStringLiteral("大学四级英语"));
        QCOMPARE(library->Text3->text(), QStringLiteral("5"));
        QCOMPARE(library->Text1->text(), QStringLiteral("9"));
    }

    // The saved course's file is gone: one message at login, then the first
    // course whole, since the saved range was the other course's.
    void aMissingSavedCourseIsReportedOnceAndTheFirstCourseTakesItsPlace() {
        desktop_->root.write("User/tester.ini",
                             platform::encodeText(u"[词库]\r\n名称=大学四级英语\r\n序号=63\r\n"
                                                  u"全部=False\r\n词始=5\r\n词终=9\r\n"));
        QVERIFY(QFile::remove(desktop_->root.path("Word/CET4.twn")));
        Form6& main = openMain();
        QCOMPARE(desktop_->prompt.texts().size(), 1);
        QVERIFY(desktop_->prompt.messages[0].text.contains(QStringLiteral("《大学四级英语》")));
        const Form2& library = *forms().existing<Form2>();
        const QString all = QString::number(library.words->wordCount());
        QCOMPARE(library.List1->currentRow(), 0);
        QCOMPARE(library.List1->selectedItems(), QList<QListWidgetItem*>{library.List1->item(0)});
        QCOMPARE(CurrentLibraryCode, QStringLiteral("xx1"));
        QVERIFY(library.Option1->isChecked());
        QCOMPARE(library.Text3->text(), QStringLiteral("1"));
        QCOMPARE(library.Text1->text(), all);
        QCOMPARE(main.Label2->text(), QStringLiteral("课程：小学第一册(旧版) (1-") + all + u')');
    }

    void aUserWithoutASavedCourseIsWelcomed() {
        desktop_->root.write("User/tester.ini", platform::encodeText(u"[初记]\r\n英文发音=1\r\n"));
        Form6& main = openMain();
        QCOMPARE(main.Label2->text(), QStringLiteral("课程：《小学英语第一册》"));
        QCOMPARE(
            main.Label3->text(),
            QStringLiteral("提示：欢迎您使用《塔文英语单词》软件，请选择适合您的课程的词库学习。\n"
                           "       在学习中如果发现软件有问题或有好的建议请给我来信。\n"
                           "       希望《塔文英语单词》有助您的学习。"));
        QCOMPARE(forms().existing<Form2>()->List1->currentRow(), 0);
    }

    void withoutASoundDeviceTheRunEnds() {
        desktop_ = std::make_unique<Desktop>(0);
        startAs(QStringLiteral("tester"));
        writeDefaultSettings();
        openMain();
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].text,
                 QStringLiteral("系统无声卡或未装声卡驱动程序，请安装好以后再试..."));
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QCOMPARE(desktop_->speech.registrations, 0);
        QTRY_VERIFY(!forms().existing<Form6>());
    }

    void theLibraryCommandHidesTheMainWindowAndItsCloseBoxBringsItBack() {
        writeDefaultSettings();
        Form6& main = openMain();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keySequence(&main, QKeySequence(QStringLiteral("Ctrl+W")));
        Form2& library = forms().form<Form2>();
        QVERIFY(library.isVisible());
        QVERIFY(!main.isVisible());
        // On the library window its own item and button do nothing.
        QVERIFY(!library.navigation->mnuwordstock->isEnabled());
        library.navigation->button(QStringLiteral("t1"))->trigger();
        QVERIFY(library.isVisible());
        library.navigation->button(QStringLiteral("t7"))->trigger();
        QVERIFY(library.isVisible() && !main.isVisible());
        pickRow(library, 9);
        library.close();
        QVERIFY(main.isVisible());
        QCOMPARE(main.Label2->text(), QStringLiteral("课程：小学第一册(旧版) (9-9)"));
        QCOMPARE(ReadSetting(QStringLiteral("词库"), QStringLiteral("词始")), QStringLiteral("9"));

        // Closed through its close box, the library window is made afresh by
        // the next reference, and the main window still follows its choices.
        QVERIFY(!forms().existing<Form2>());
        main.navigation->mnuwordstock->trigger();
        Form2* again = forms().existing<Form2>();
        QVERIFY(again && again->isVisible() && !main.isVisible());
        pickRow(*again, 12);
        QCOMPARE(main.Label2->text(), QStringLiteral("课程：小学第一册(旧版) (12-12)"));
    }

    // 退出 from a running event loop: the loop ends at once, and no window
    // runs its closing steps, so nothing reaches the disk.
    void exitEndsTheRunAndWritesNothing() {
        writeDefaultSettings();
        Form6& main = openMain();
        pickRow(forms().form<Form2>(), 4);  // a choice the library window's closing would save
        Form8& firstLearn = forms().form<Form8>();
        firstLearn.Text4->setText(QStringLiteral("7"));  // an option its closing would save
        const QByteArray before = settingsBytes();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        QTimer::singleShot(0, &main, [&main] {
            QTest::keySequence(&main, QKeySequence(QStringLiteral("Ctrl+Q")));
        });
        QTimer watchdog;  // 退出 that does not end the run ends the loop here
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);

        QCOMPARE(settingsBytes(), before);
        QVERIFY(forms().existing<Form2>() && forms().existing<Form8>());
    }

    void closingTheMainWindowSavesEveryLoadedWindow() {
        writeDefaultSettings();
        Form6& main = openMain();
        pickRow(forms().form<Form2>(), 4);
        main.close();
        QVERIFY(!forms().existing<Form2>());
        QCOMPARE(ReadSetting(QStringLiteral("词库"), QStringLiteral("词始")), QStringLiteral("4"));
        QCOMPARE(ReadSetting(QStringLiteral("词库"), QStringLiteral("全部")),
                 QStringLiteral("False"));
    }

    void aRestarterThatCannotStartKeepsTheProgramRunning() {
        desktop_->launcher.works = false;
        writeDefaultSettings();
        Form6& main = openMain();
        main.mnuchang->trigger();
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(forms().existing<Form6>() == &main);
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
