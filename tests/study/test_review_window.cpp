#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "fakes/desktop.h"
#include "fakes/fixed_random.h"
#include "fakes/manual_clock.h"
#include "library/form2_library.h"
#include "library/form4_error_table.h"
#include "platform/twips.h"
#include "platform/window_timer.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "study/answer_label.h"
#include "study/form1_review.h"
#include "study/form8_first_learn.h"
#include "study/review_pictures.h"
#include "study/score_log.h"

using namespace tawen;

namespace {

struct Setting {
    const char* key;
    const char* value;
};

const QString kReview = QStringLiteral("复习");
const QString kCourse = QStringLiteral("小学第一册(旧版)");

// r = 0.65: the right answer on Label4 (C), strides of 3 rows.
constexpr double kRightOnC = 0.65;

bool samePicture(const QPixmap& a, const QPixmap& b) {
    return a.toImage().convertToFormat(QImage::Format_ARGB32) ==
           b.toImage().convertToFormat(QImage::Format_ARGB32);
}

// What the error table showed while a test window closed, if it showed.
struct TableSeen {
    bool shown = false;
    bool modal = false;
    QString summary;
};

}  // namespace

// Drives the review quiz as a learner does: clicks on the answers and the
// options, the question timer's tick run directly, and what is left behind
// in the settings file, the score log and the error table.
class ReviewWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;
    ManualClock* clock_ = nullptr;

    // The user's file with every default, then the range and the review
    // options the test needs. Course xx1 (小学第一册(旧版)) is row 0 of the list.
    static void writeSettings(int first, int last, std::initializer_list<Setting> options = {}) {
        writeDefaultSettings();
        WriteSetting("词库", "全部", "False");
        WriteSetting("词库", "词始", QString::number(first));
        WriteSetting("词库", "词终", QString::number(last));
        for (const Setting& option : options)
            WriteSetting(kReview, QString::fromUtf8(option.key), QString::fromUtf8(option.value));
    }

    // After login: the main window with the library window loaded hidden,
    // then the quiz shown over it.
    static Form1& open() {
        forms().form<Form6>();
        forms().form<Form2>();
        return reopen();
    }

    static Form1& reopen() {
        Form1& window = forms().form<Form1>();
        window.show();
        return window;
    }

    static WordTable& words() { return *forms().form<Form2>().words; }
    static QString word(int row) { return words().TextMatrix(row, 1); }
    static QString meaning(int row) { return words().TextMatrix(row, 2); }
    static QStringList listed() {
        QStringList items;
        const QTreeWidget& list = *forms().form<Form4>().ListView1;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            items << list.topLevelItem(i)->text(0) + u'|' + list.topLevelItem(i)->text(1);
        return items;
    }

    static void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    static void answerRight(Form1& window) {
        click(window.rightAnswer());
        window.Timer1_Timer();
    }

    static AnswerLabel* aWrongAnswer(const Form1& window) {
        for (AnswerLabel* label : {window.Label2, window.Label3, window.Label4, window.Label5})
            if (label != window.rightAnswer()) return label;
        return nullptr;
    }

    // Closes the window as the close box does; an error table that comes up
    // modally is read and cancelled, as the learner would.
    static TableSeen closeWindow(Form1& window) {
        TableSeen seen;
        QTimer watcher;
        watcher.setSingleShot(true);
        connect(&watcher, &QTimer::timeout, [&seen] {
            auto* table = qobject_cast<Form4*>(QApplication::activeModalWidget());
            if (!table) return;
            seen = {true, table->isModal(), table->Label1->text()};
            click(table->Command1);
        });
        watcher.start(0);
        window.close();
        watcher.stop();
        return seen;
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        CurrentUser = QStringLiteral("tester");
        clock_ = &installManualClock(QDateTime(QDate(2026, 3, 14), QTime(9, 30, 0)));
        platform::installRandom(std::make_unique<FixedRandom>(kRightOnC));
    }

    void cleanup() {
        forms().discardAll();
        platform::installRandom(std::make_unique<platform::SystemRandom>());
        platform::installClock(std::make_unique<platform::SystemClock>());
        desktop_.reset();
    }

    void loadsWithTheFirstQuestionOfTheRange() {
        writeSettings(3, 7);
        // A table left over from an earlier test is emptied.
        forms().form<Form4>().addMiss({"stale", "旧", ""});
        ScoreMode = QStringLiteral("ggmk");
        Form1& window = open();

        QCOMPARE(window.windowTitle(), QStringLiteral("塔文英语单词 - [复习]"));
        QCOMPARE(window.StatusPanel1->text(), QStringLiteral("课程：") + kCourse);
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(3-7)"));
        QCOMPARE(window.StatusPanel3->text(), QStringLiteral("根据提示点击与其相应的选项"));
        QCOMPARE(window.currentRow(), WordRow(3));
        QCOMPARE(window.Label1->text(), word(3));
        QVERIFY(window.Label1->isVisibleTo(&window));
        // The right meaning on C; the wrong ones walk the table three rows at
        // a time from the top, row 3 giving way to row 4 as it is the word itself.
        QCOMPARE(window.Label4->text(), meaning(3));
        QCOMPARE(window.Label2->text(), meaning(4));
        QCOMPARE(window.Label3->text(), meaning(6));
        QCOMPARE(window.Label5->text(), meaning(9));
        QCOMPARE(window.distractorRow(), WordRow(9));
        QCOMPARE(desktop_->speech.requests.size(), 1);
        QCOMPARE(desktop_->speech.requests[0].text, word(3));
        QCOMPARE(desktop_->speech.requests[0].flags, 528);
        QCOMPARE(listed(), QStringList());
        QCOMPARE(ScoreMode, QStringLiteral("fxmk"));
        QCOMPARE(ScoreOwner, QStringLiteral("tester"));
        QCOMPARE(CurrentCourseName, kCourse);
        QCOMPARE(window.session().wordsShown(), qint16(1));

        const QColor blue(64, 112, 176);
        QCOMPARE(window.Label1->palette().color(QPalette::Active, QPalette::WindowText), blue);
        QCOMPARE(window.Label10->palette().color(QPalette::Active, QPalette::WindowText), blue);
        QCOMPARE(window.Label1->font().family(), QStringLiteral("Arial"));
        QCOMPARE(window.Label10->font().family(), QStringLiteral("MS Serif"));
        QCOMPARE(window.Label6->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(window.Label6->text() + window.Label7->text() + window.Label8->text() +
                     window.Label9->text(),
                 QStringLiteral("ABCD"));
        QVERIFY(!window.Image1->isVisibleTo(&window));
        QVERIFY(!window.Timer1->Enabled());
        QCOMPARE(window.Command7->toolTip(), QStringLiteral("记录您在这次复习中所错误的单词"));
    }

    void aRightAnswerIsTickedAndTheNextQuestionFollows() {
        writeSettings(3, 7);
        Form1& window = open();
        click(window.Label4);

        QVERIFY(window.Image1->isVisibleTo(&window));
        QCOMPARE(window.Image1->pos(),
                 QPoint(platform::twipsToPixels(4740), platform::twipsToPixels(2700)));
        QVERIFY(samePicture(window.Image1->pixmap(), rightMark()));
        QCOMPARE(window.currentRow(), WordRow(4));
        QCOMPARE(window.StatusPanel3->text(), QStringLiteral("第4词"));
        // The question stays until the timer builds the next one.
        QCOMPARE(window.Label1->text(), word(3));
        QVERIFY(window.Timer1->Enabled());
        QCOMPARE(window.Timer1->Interval(), 580);

        window.Timer1_Timer();
        QVERIFY(!window.Timer1->Enabled());
        QVERIFY(!window.Image1->isVisibleTo(&window));
        QCOMPARE(window.Label1->text(), word(4));
        QCOMPARE(window.Label4->text(), meaning(4));
        QCOMPARE(desktop_->speech.texts(), (QStringList{word(3), word(4)}));
        QCOMPARE(window.session().wordsShown(), qint16(2));
        QCOMPARE(listed(), QStringList());
    }

    void aWrongAnswerIsCrossedReadAgainAndListedOnce() {
        writeSettings(3, 7);
        Form1& window = open();
        click(window.Label2);

        QCOMPARE(window.Image1->pos(),
                 QPoint(platform::twipsToPixels(4740), platform::twipsToPixels(1000)));
        QVERIFY(samePicture(window.Image1->pixmap(), wrongMark()));
        QVERIFY(!window.Timer1->Enabled());
        QCOMPARE(window.Label1->text(), word(3));
        QCOMPARE(desktop_->speech.texts(), (QStringList{word(3), word(3)}));
        QCOMPARE(listed(), QStringList{word(3) + u'|' + meaning(3)});
        QCOMPARE(forms().form<Form4>().ListView1->topLevelItem(0)->checkState(0), Qt::Checked);

        // Another wrong answer to the same word, with re-reading off.
        click(window.Check4);
        click(window.Label5);
        QCOMPARE(window.Image1->pos().y(), platform::twipsToPixels(3600));
        QCOMPARE(desktop_->speech.requests.size(), 2);
        QCOMPARE(listed().size(), 1);
    }

    void pressingAnAnswerChangesItsPointer() {
        writeSettings(3, 7);
        Form1& window = open();
        QVERIFY(samePicture(window.Label3->cursor().pixmap(), answerPointer().pixmap()));
        QTest::mousePress(window.Label3, Qt::LeftButton);
        QVERIFY(samePicture(window.Label3->cursor().pixmap(), pressedPointer().pixmap()));
        QVERIFY(!samePicture(pressedPointer().pixmap(), answerPointer().pixmap()));
        QTest::mouseRelease(window.Label3, Qt::LeftButton);
        QVERIFY(samePicture(window.Label3->cursor().pixmap(), answerPointer().pixmap()));
    }

    void aRangeOfOneWordStaysOnIt() {
        writeSettings(5, 5);
        Form1& window = open();
        QCOMPARE(window.currentRow(), WordRow(5));
        answerRight(window);
        QCOMPARE(window.currentRow(), WordRow(5));
        QCOMPARE(window.Label1->text(), word(5));
        click(window.Command10);
        click(window.Command9);
        QCOMPARE(window.currentRow(), WordRow(5));
        // The word never changed, so no more words were shown.
        QCOMPARE(window.session().wordsShown(), qint16(1));
    }

    void previousAndNextRebuildTheQuestionAtOnce() {
        writeSettings(3, 7);
        Form1& window = open();
        click(window.Command9);
        QCOMPARE(window.currentRow(), WordRow(7));
        QCOMPARE(window.Timer1->Interval(), 1);
        QVERIFY(window.Timer1->Enabled());
        window.Timer1_Timer();
        QCOMPARE(window.Label1->text(), word(7));
        // Shuffled: a stride of three, wrapping to the first row.
        click(window.Check1);
        QCOMPARE(window.session().wordsShown(), qint16(0));
        click(window.Command10);
        QCOMPARE(window.currentRow(), WordRow(3));
        click(window.Command10);
        QCOMPARE(window.currentRow(), WordRow(6));
        QCOMPARE(window.session().wordsShown(), qint16(2));
    }

    void listeningModeHidesTheQuestionUntilItIsAnswered() {
        writeSettings(3, 7);
        Form1& window = open();
        click(window.Check2);  // reading off: listening turns it back on
        click(window.Check3);
        QVERIFY(!window.Label1->isVisibleTo(&window));
        QVERIFY(!window.Label10->isEnabled());
        QVERIFY(window.Check2->isChecked());
        QVERIFY(!window.Check2->isEnabled());

        click(window.rightAnswer());
        QVERIFY(window.Label1->isVisibleTo(&window));
        QVERIFY(window.Label10->isEnabled());
        QCOMPARE(window.Label1->text(), word(3));
        window.Timer1_Timer();
        QVERIFY(!window.Label1->isVisibleTo(&window));
        QVERIFY(!window.Label10->isEnabled());
        QCOMPARE(desktop_->speech.texts().last(), word(4));

        click(window.Check3);
        QVERIFY(window.Label1->isVisibleTo(&window));
        QVERIFY(window.Label10->isEnabled());
        QVERIFY(window.Check2->isEnabled());
    }

    void optionsAreKeptInTheirSectionAndComeBack() {
        writeSettings(3, 7);
        Form1& window = open();
        click(window.Check1);
        click(window.Check3);
        click(window.Check4);
        click(window.Option2);
        QVERIFY(!closeWindow(window).shown);
        QVERIFY(!forms().existing<Form1>());
        QVERIFY(forms().existing<Form6>()->isVisible());
        for (const auto& [key, value] : {std::pair{"打乱词序", "1"},
                                         {"读出英文", "1"},
                                         {"听声选择", "1"},
                                         {"选错复读", "0"},
                                         {"中文选项", "False"},
                                         {"英文选项", "True"}})
            QCOMPARE(ReadSetting(kReview, key), QString::fromUtf8(value));

        Form1& again = reopen();
        QVERIFY(again.Check1->isChecked());
        QVERIFY(again.Check3->isChecked());
        QVERIFY(!again.Check4->isChecked());
        QVERIFY(again.Option2->isChecked() && !again.Option1->isChecked());
        QVERIFY(!again.Check2->isEnabled());
        QVERIFY(!again.Label1->isVisibleTo(&again));
        // English answers to the meaning, from the shuffled first step (3).
        QCOMPARE(again.currentRow(), WordRow(5));
        QCOMPARE(again.Label1->text(), meaning(5));
        QCOMPARE(again.Label4->text(), word(5));
    }

    void closingStoresTheScoreAndShowsTheMisses() {
        writeSettings(1, 60);
        Form1& window = open();
        // Thirty words, three of them missed on the way.
        for (int shown = 1; shown < 30; ++shown) {
            if (shown == 5 || shown == 10 || shown == 20) click(aWrongAnswer(window));
            answerRight(window);
        }
        QCOMPARE(window.session().wordsShown(), qint16(30));
        QCOMPARE(listed(), (QStringList{word(5) + u'|' + meaning(5), word(10) + u'|' + meaning(10),
                                        word(20) + u'|' + meaning(20)}));
        clock_->advance(6 * 60 * 1000);

        const TableSeen seen = closeWindow(window);
        QVERIFY(seen.shown && seen.modal);
        QCOMPARE(
            seen.summary.split(u'\n').mid(0, 4),
            (QStringList{"共有：60个单词", "错误：3个单词", "正确率：95.00%", "速度：5个/分钟"}));
        QCOMPARE(ScoreRecords(), QStringList{QStringLiteral("2026/3/14#9:36:00#") + kCourse +
                                             QStringLiteral("#5#95")});
        QVERIFY(!forms().existing<Form1>());
        QVERIFY(forms().existing<Form6>()->isVisible());
        QCOMPARE(ReadSetting(kReview, "打乱词序"), QStringLiteral("0"));
    }

    void theMissesCanBeSeenBeforeClosing() {
        writeSettings(1, 20);
        Form1& window = open();
        click(aWrongAnswer(window));
        answerRight(window);
        clock_->advance(30 * 1000);
        TableSeen seen;
        QTimer::singleShot(0, [&seen] {
            auto* table = qobject_cast<Form4*>(QApplication::activeModalWidget());
            if (!table) return;
            seen = {true, table->isModal(), table->Label1->text()};
            click(table->Command1);
        });
        click(window.Command7);
        QVERIFY(seen.shown);
        QCOMPARE(
            seen.summary.split(u'\n').mid(0, 4),
            (QStringList{"共有：20个单词", "错误：1个单词", "正确率：95.00%", "速度：4个/分钟"}));
        QVERIFY(forms().existing<Form1>());
    }

    void aTestWithoutMissesClosesWithoutTheTable() {
        writeSettings(1, 10);
        Form1& window = open();
        answerRight(window);
        clock_->advance(60 * 1000);
        QVERIFY(!closeWindow(window).shown);
        QCOMPARE(ScoreRecords(), QStringList{"2026/3/14#9:31:00#" + kCourse + "#2#100"});
    }

    void aTestAcrossMidnightAndOneClosedAtOnceHaveTheirSpeeds() {
        clock_ = &installManualClock(QDateTime(QDate(2026, 3, 14), QTime(23, 58, 30)));
        writeSettings(1, 10);
        Form1& window = open();
        for (int i = 0; i < 5; ++i) answerRight(window);
        clock_->advance(3 * 60 * 1000);
        closeWindow(window);
        QCOMPARE(ScoreRecords(), QStringList{"2026/3/15#0:01:30#" + kCourse + "#2#100"});

        // Opened and closed within the same instant: one word in one second.
        Form1& atOnce = reopen();
        closeWindow(atOnce);
        QCOMPARE(ScoreRecords().last(), "2026/3/15#0:01:30#" + kCourse + "#60#100");
    }

    void aFailedReadingIsReportedOncePerRunOfFailures() {
        writeSettings(3, 7);
        Form1& window = open();
        desktop_->speech.failing = true;
        click(window.Label2);
        click(window.Label3);
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].text, QStringLiteral("本程序只能阅读英文文档"));
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        // The quiz goes on, and the miss is listed all the same.
        QCOMPARE(listed().size(), 1);

        desktop_->speech.failing = false;
        answerRight(window);
        desktop_->speech.failing = true;
        click(aWrongAnswer(window));
        QCOMPARE(desktop_->prompt.messages.size(), 2);
    }

    void theLibraryWindowAndTheNavigationReachIt() {
        writeSettings(3, 7);
        forms().form<Form6>();
        Form2& library = forms().form<Form2>();
        library.show();
        library.Command1->click();
        Form1* window = forms().existing<Form1>();
        QVERIFY(window && window->isVisible());
        QVERIFY(!library.isVisible());

        // Its own mode does nothing here.
        QVERIFY(!window->navigation->mnureview->isEnabled());
        window->navigation->button("t3")->trigger();
        QCOMPARE(forms().existing<Form1>(), window);

        // To first-learn: the review section is saved before first-learn loads.
        click(window->Check1);
        QString savedWhenTheTargetLoaded;
        const auto watch = connect(&forms(), &FormRegistry::loading, [&](QWidget* form) {
            if (qobject_cast<Form8*>(form))
                savedWhenTheTargetLoaded = ReadSetting(kReview, "打乱词序");
        });
        window->navigation->mnufirst->trigger();
        disconnect(watch);
        QCOMPARE(savedWhenTheTargetLoaded, QStringLiteral("1"));
        QVERIFY(!forms().existing<Form1>());
        Form8* first = forms().existing<Form8>();
        QVERIFY(first && first->isVisible());
        QVERIFY(!forms().existing<Form6>()->isVisible());

        // And back: the review comes again with its options.
        first->navigation->mnureview->trigger();
        QVERIFY(!forms().existing<Form8>());
        window = forms().existing<Form1>();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->Check1->isChecked());

        // To the library window, which shows over the hidden main window.
        window->navigation->mnuwordstock->trigger();
        QVERIFY(!forms().existing<Form1>());
        QVERIFY(library.isVisible());
        QVERIFY(!forms().existing<Form6>()->isVisible());

        // From the main window's toolbar.
        library.hide();
        forms().existing<Form6>()->show();
        switchFromMainWindow(Mode::Review);
        QVERIFY(forms().existing<Form1>() && forms().existing<Form1>()->isVisible());
        QVERIFY(!forms().existing<Form6>()->isVisible());
    }

    void closingTheMainWindowClosesTheQuizWithItsSteps() {
        writeSettings(3, 7);
        Form1& window = open();
        click(window.Option2);
        forms().existing<Form6>()->close();
        QVERIFY(!forms().existing<Form1>());
        QCOMPARE(ReadSetting(kReview, "英文选项"), QStringLiteral("True"));
        QCOMPARE(ScoreRecords().size(), 1);
    }
};

QTEST_MAIN(ReviewWindowTest)
#include "test_review_window.moc"
