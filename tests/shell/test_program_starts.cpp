#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "fakes/desktop.h"
#include "shell/about/help_viewer.h"
#include "shell/about/links.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_settings.h"

using namespace tawen;

// What the main window starts outside itself: the restarter when the learner
// changes user, the browser and the mail program from the help menu. The
// desktop here only records, so no real restarter or browser is ever started.
class ProgramStartsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;

    static Form6& openMain() {
        Form6& main = forms().form<Form6>();
        main.show();
        return main;
    }

    // Runs the program's event loop until the action ends it; the exit code,
    // or -1 when the run is still going after a while.
    // A run that should end is given time to, even on a busy machine; one
    // that should go on is watched for a second.
    static int runUntilEnded(QAction* action, int patienceMs = 10000) {
        QTimer::singleShot(0, action, &QAction::trigger);
        // Scoped, so a deadline never outlives its run and ends a later one.
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        deadline.start(patienceMs);
        return QCoreApplication::exec();
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        CurrentUser = QStringLiteral("tester");
    }

    void cleanup() {
        forms().discardAll();
        desktop_.reset();
    }

    void changingUserStartsTheRestarterAndEndsTheRun_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("更换用户") << "mnuchang";
        QTest::newRow("新用户") << "mnunews";
    }

    void changingUserStartsTheRestarterAndEndsTheRun() {
        QFETCH(QString, item);
        Form6& main = openMain();
        QAction* action = main.findChild<QAction*>(item);
        QVERIFY(action != nullptr);
        QCOMPARE(runUntilEnded(action), 0);
        QCOMPARE(desktop_->launcher.programs, QStringList{QStringLiteral("vexo")});
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void aRestarterThatCannotStartIsReportedAndTheRunGoesOn() {
        desktop_->launcher.works = false;
        Form6& main = openMain();
        QCOMPARE(runUntilEnded(main.mnuchang, 1000), -1);
        QCOMPARE(desktop_->launcher.programs, QStringList{QStringLiteral("vexo")});
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(desktop_->prompt.messages[0].text.contains(QStringLiteral("vexo")));
        QVERIFY(main.isVisible());
    }

    void theHelpMenuOpensItsLinksAndOurOwnHelp() {
        QDir().mkpath(desktop_->root.path("help"));
        QVERIFY(QFile::copy(QStringLiteral(TAWEN_STAGE_DIR "/help/index.html"),
                            desktop_->root.path("help/index.html")));
        Form6& main = openMain();
        main.mnuforum->trigger();
        main.mnumail->trigger();
        QCOMPARE(desktop_->launcher.urls,
                 (QList<QUrl>{QUrl(kHomePage), QUrl(QStringLiteral("mailto:") + kAuthorMail)}));
        main.mnuhelpcontents->trigger();
        QVERIFY(desktop_->launcher.programs.isEmpty());
        QCOMPARE(desktop_->launcher.urls.size(), 2);
        QVERIFY(desktop_->prompt.messages.isEmpty());
        QVERIFY(forms().existing<HelpViewer>() != nullptr);
    }
};

QTEST_MAIN(ProgramStartsTest)
#include "test_program_starts.moc"
