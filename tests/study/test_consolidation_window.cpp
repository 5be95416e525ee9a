#include <QAction>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "fakes/desktop.h"
#include "fakes/fixed_random.h"
#include "fakes/manual_clock.h"
#include "library/form2_library.h"
#include "library/form4_error_table.h"
#include "platform/random_source.h"
#include "platform/window_timer.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "study/form10_statistics.h"
#include "study/form1_review.h"
#include "study/form3_consolidation.h"
#include "study/form8_first_learn.h"
#include "study/score_log.h"
#include "study/score_record.h"

using namespace tawen;

namespace {

struct Setting {
    const char* key;
    const char* value;
};

const QString kSection = QStringLiteral("巩固");

// The error table's rows as "word|meaning|checked".
QStringList errorRows() {
    QStringList rows;
    const QTreeWidget* list = forms().form<Form4>().ListView1;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << item->text(0) + u'|' + item->text(1) + u'|' +
                    (item->checkState(0) == Qt::Checked ? u'1' : u'0');
    }
    return rows;
}

// Closes the window that comes up modally next, as the learner would with 取消,
// and keeps what it showed.
struct ModalWatch {
    bool shown = false;
    QString summary;

    void arm() {
        QTimer::singleShot(0, [this] {
            auto* table = qobject_cast<Form4*>(QApplication::activeModalWidget());
            if (!table) return;
            shown = true;
            summary = table->Label1->text();
            QTest::mouseClick(table->Command1, Qt::LeftButton);
        });
    }
};

}  // namespace

// Drives the consolidation test as a learner does: typing into the field and
// pressing Enter, clicking the options and buttons. The reading timer's ticks
// are run directly; speech and messages are recorded.
class ConsolidationWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;

    // The user's file with every default, then the range and the options the
    // test needs. Course xx1 (小学第一册(旧版)) is row 0 of the list: hello,
    // hi, I, am, I'm, Miss, Mr, Mrs, good, morning, good morning, ...
    void writeSettings(int first, int last, std::initializer_list<Setting> options = {}) {
        writeDefaultSettings();
        WriteSetting("词库", "全部", "False");
        WriteSetting("词库", "词始", QString::number(first));
        WriteSetting("词库", "词终", QString::number(last));
        for (const Setting& option : options)
            WriteSetting(kSection, QString::fromUtf8(option.key), QString::fromUtf8(option.value));
    }

    Form3& open() {
        forms().form<Form6>();
        forms().form<Form2>();
        Form3& window = forms().form<Form3>();
        window.show();
        return window;
    }

    // Whatever the field holds is replaced by the text, then Enter.
    static void answer(Form3& window, const QString& text) {
        QTest::keyClick(window.Text2, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.Text2, Qt::Key_Delete);
        QTest::keyClicks(window.Text2, text);
        QTest::keyClick(window.Text2, Qt::Key_Return);
    }

    QStringList spoken() const { return desktop_->speech.texts(); }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        CurrentUser = QStringLiteral("tester");
    }

    void cleanup() {
        forms().discardAll();
        platform::installRandom(std::make_unique<platform::SystemRandom>());
        desktop_.reset();
    }

    void opensOnTheFirstWordWithTheOptionsStored() {
        writeSettings(3, 7, {{"英语读音", "0"}, {"许错遍数", "2"}, {"隔读秒数", "5"}});
        Form3& window = open();
        QCOMPARE(window.windowTitle(), QStringLiteral("塔文英语单词 - [巩固]"));
        QCOMPARE(window.StatusPanel1->text(), QStringLiteral("课程：小学第一册(旧版)"));
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(3-7)"));
        QCOMPARE(window.StatusPanel3->text(), QStringLiteral("根据中文提示在光标处输入相应的英文"));
        QCOMPARE(window.currentRow(), WordRow(3));
        QCOMPARE(window.Text3->text(), QStringLiteral("I"));
        QCOMPARE(window.Text1->toPlainText(), QStringLiteral("pron. 我"));
        QVERIFY(window.Text1->isVisible());
        QCOMPARE(window.Label3->text(),
                 QStringLiteral("1.根据提示在英文框中输入相应的英文单词后按回车;"));
        QVERIFY(window.Check1->isChecked() && !window.Check2->isChecked());
        QVERIFY(!window.Check3->isChecked() && window.Check4->isChecked());
        QCOMPARE(window.Text5->text(), QStringLiteral("2"));
        QCOMPARE(window.Text4->text(), QStringLiteral("5"));
        QCOMPARE(ScoreMode, QStringLiteral("ggmk"));
        // The plain first step is what makes 上一词 usable.
        QVERIFY(window.Command1->isEnabled());
        QVERIFY(desktop_->speech.requests.isEmpty());
    }

    void shuffledStepsLeavePreviousDisabled() {
        platform::installRandom(std::make_unique<FixedRandom>(0.95));  // stride 4
        writeSettings(3, 12, {{"打乱次序", "1"}});
        Form3& window = open();
        QCOMPARE(window.currentRow(), WordRow(6));
        QVERIFY(!window.Command1->isEnabled());
        QTest::mouseClick(window.Command13, Qt::LeftButton);
        QCOMPARE(window.currentRow(), WordRow(10));
        QVERIFY(!window.Command1->isEnabled());
        // A plain step forward, once the order is plain again, frees it.
        QTest::mouseClick(window.Check2, Qt::LeftButton);
        QTest::mouseClick(window.Command13, Qt::LeftButton);
        QCOMPARE(window.currentRow(), WordRow(11));
        QVERIFY(window.Command1->isEnabled());
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(window.currentRow(), WordRow(10));
        QCOMPARE(window.Text3->text(), QStringLiteral("morning"));
        QCOMPARE(window.StatusPanel3->text(), QStringLiteral("第10词"));
    }

    // Three allowed: think again, try again, then the answer; the one that
    // reaches the count hints at the letter and the caret goes before it.
    void threeMissesOnOneWord() {
        writeSettings(6, 8);
        Form3& window = open();
        QCOMPARE(window.Text3->text(), QStringLiteral("Miss"));

        answer(window, QStringLiteral("mis"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.不对啊！再想想。"));
        QVERIFY(window.Label1->isVisible() && window.Label1->isEnabled());
        QCOMPARE(window.Label1->text(), QStringLiteral("2.长度为：4字节;"));
        QVERIFY(!window.Label2->isVisible());
        QCOMPARE(window.Text2->selectedText(), QStringLiteral("mis"));
        QVERIFY(errorRows().isEmpty());

        answer(window, QStringLiteral("miss"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.还是不对！再试一次。"));
        QVERIFY(window.Label2->isVisible());
        QCOMPARE(window.Label2->text(), QStringLiteral("3.注意区分大小写字母;"));
        QCOMPARE(window.Text2->selectionStart(), 0);
        QCOMPARE(window.Text2->selectedText(), QStringLiteral("miss"));
        QVERIFY(errorRows().isEmpty());

        answer(window, QStringLiteral("Mist"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.连错3次！正确的答案是：Miss"));
        QCOMPARE(window.Label2->text(), QStringLiteral("3.第4个字母是：s;"));
        QCOMPARE(window.Text2->selectionStart(), 3);
        QCOMPARE(window.Text2->selectedText(), QStringLiteral("t"));
        const QString missRow =
            QStringLiteral("Miss|") + window.Text1->toPlainText() + QStringLiteral("|1");
        QCOMPARE(errorRows(), QStringList{missRow});
        // Typing now replaces what follows the caret.
        QTest::keyClicks(window.Text2, QStringLiteral("x"));
        QCOMPARE(window.Text2->text(), QStringLiteral("Misx"));

        answer(window, QStringLiteral("Mis"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.真粗心！又错了！正确的答案是：Miss"));
        answer(window, QStringLiteral("Mis"));
        QCOMPARE(window.Label3->text(),
                 QStringLiteral("1.太糟糕了！发生什么事？正确的答案是：Miss"));
        QCOMPARE(window.missCount(), qint16(5));
        QCOMPARE(errorRows(), QStringList{missRow});

        answer(window, QStringLiteral("Miss"));
        QCOMPARE(window.missCount(), qint16(0));
        QCOMPARE(window.Text3->text(), QStringLiteral("Mr"));
        QVERIFY(window.Text2->text().isEmpty());
        QVERIFY(!window.Label2->isVisible() && !window.Label1->isVisible());
    }

    void oneAllowedMissAnswersAtOnce() {
        writeSettings(6, 8, {{"许错遍数", "1"}});
        Form3& window = open();
        answer(window, QStringLiteral("Mis"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.正确的答案是：Miss"));
        QVERIFY(window.Label1->isVisible());
        QCOMPARE(window.Label1->text(), QStringLiteral("2.长度为：4字节;"));
        QCOMPARE(window.Label2->text(), QStringLiteral("3.第4个字母是：s;"));
        QCOMPARE(errorRows().size(), 1);
    }

    void noAllowedMissScoldsAtOnce() {
        writeSettings(6, 8, {{"许错遍数", "0"}});
        Form3& window = open();
        answer(window, QStringLiteral("miss"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.真粗心！又错了！正确的答案是：Miss"));
        QVERIFY(window.Label2->isVisible());
        QCOMPARE(window.Label2->text(), QStringLiteral("3.注意区分大小写字母;"));
        answer(window, QStringLiteral("miss"));
        QCOMPARE(window.Label3->text(),
                 QStringLiteral("1.太糟糕了！发生什么事？正确的答案是：Miss"));
        QVERIFY(errorRows().isEmpty());
    }

    // Without hints the lines hide, a first miss leaves the typing alone and
    // later ones select it whole.
    void missesWithoutHints() {
        writeSettings(6, 8);
        Form3& window = open();
        QTest::mouseClick(window.Check4, Qt::LeftButton);
        QVERIFY(!window.Label3->isVisible() && !window.Label6->isEnabled());
        answer(window, QStringLiteral("Mis"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.不对啊！再想想。"));
        QVERIFY(!window.Text2->hasSelectedText());
        QCOMPARE(window.Text2->cursorPosition(), 3);
        answer(window, QStringLiteral("Mist"));
        QCOMPARE(window.Text2->selectedText(), QStringLiteral("Mist"));
        QVERIFY(!window.Label2->isVisible());
        QVERIFY(window.Label2->text().isEmpty());
        QTest::mouseClick(window.Check4, Qt::LeftButton);
        QVERIFY(window.Label3->isVisible() && window.Label6->isEnabled());
    }

    void aRightAnswerPraisesAndReadsTheNextWord() {
        platform::installRandom(std::make_unique<FixedRandom>(0.45));  // draw 4
        writeSettings(9, 12);
        Form3& window = open();
        answer(window, QStringLiteral("good"));
        QCOMPARE(window.Text3->text(), QStringLiteral("morning"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.加油！这个词您是可以的，想想！"));
        QCOMPARE(spoken(), QStringList{QStringLiteral("morning")});
        QCOMPARE(desktop_->speech.requests.last().flags, 528);
        QCOMPARE(window.StatusPanel3->text(), QStringLiteral("第10词"));
        QVERIFY(window.Timer1->isTicking());
        answer(window, QStringLiteral("morning"));
        QCOMPARE(window.Text3->text(), QStringLiteral("good morning"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.加油！这个词有点难，认真想想！"));
    }

    void withoutChineseThePreviousMeaningShowsDimmed() {
        writeSettings(1, 4);
        Form3& window = open();
        QTest::mouseClick(window.Check1, Qt::LeftButton);
        QVERIFY(!window.Text1->isVisible() && !window.Label4->isEnabled());
        answer(window, QStringLiteral("hello"));
        QVERIFY(window.Label1->isVisible());
        QVERIFY(!window.Label1->isEnabled());
        QCOMPARE(window.Label1->text(), QStringLiteral("2.上一词的中文为：") +
                                            forms().form<Form2>().words->TextMatrix(1, 2));
        QVERIFY(!window.Text1->isVisible());
        // A miss brings the line back to full strength.
        answer(window, QStringLiteral("ho"));
        QVERIFY(window.Label1->isEnabled());
        QCOMPARE(window.Label1->text(), QStringLiteral("2.长度为：2字节;"));
    }

    void meaningAndReadingNeverBothOff() {
        writeSettings(1, 4);
        Form3& window = open();
        QTest::mouseClick(window.Check3, Qt::LeftButton);
        QVERIFY(!window.Check3->isChecked() && window.Check1->isChecked());
        QTest::mouseClick(window.Check1, Qt::LeftButton);
        QVERIFY(!window.Check1->isChecked() && window.Check3->isChecked());
        QVERIFY(!window.Text1->isVisible());
        QTest::mouseClick(window.Check3, Qt::LeftButton);
        QVERIFY(window.Check1->isChecked() && !window.Check3->isChecked());
        QVERIFY(window.Text1->isVisible() && window.Label4->isEnabled());
    }

    void storedOptionsThatWouldSilenceBothAreMended() {
        writeSettings(1, 4, {{"显示中文", "0"}, {"英语读音", "0"}});
        Form3& window = open();
        QVERIFY(window.Check1->isChecked() || window.Check3->isChecked());
    }

    void helpGivesTheAnswerWithoutCountingIt() {
        writeSettings(6, 8);
        Form3& window = open();
        answer(window, QStringLiteral("mis"));
        answer(window, QStringLiteral("mis"));
        QTest::mouseClick(window.Command4, Qt::LeftButton);
        QCOMPARE(window.Label3->text(), QStringLiteral("1.告诉您正确您答案是：Miss"));
        QCOMPARE(window.missCount(), qint16(0));
        QCOMPARE(window.Text2->selectedText(), QStringLiteral("Miss"));
        QVERIFY(window.focusWidget() == window.Text2);
        // The count starts again: the next miss is a first one.
        answer(window, QStringLiteral("mis"));
        QCOMPARE(window.Label3->text(), QStringLiteral("1.不对啊！再想想。"));
        QVERIFY(errorRows().isEmpty());
    }

    void nextAndPreviousResetTheWord() {
        writeSettings(6, 8);
        Form3& window = open();
        answer(window, QStringLiteral("mis"));
        answer(window, QStringLiteral("miss"));
        QTest::mouseClick(window.Command13, Qt::LeftButton);
        QCOMPARE(window.Text3->text(), QStringLiteral("Mr"));
        QCOMPARE(window.missCount(), qint16(0));
        QVERIFY(window.Text2->text().isEmpty());
        QCOMPARE(window.Label3->text(),
                 QStringLiteral("1.根据中文提示在英文框中输入相应的英文单词;"));
        QVERIFY(!window.Label1->isVisible() && window.Label1->text().isEmpty());
        QVERIFY(!window.Label2->isVisible() && window.Label2->text().isEmpty());
        QCOMPARE(spoken(), QStringList{QStringLiteral("Mr")});
        QTest::mouseClick(window.Check1, Qt::LeftButton);
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(window.Text3->text(), QStringLiteral("Miss"));
        QCOMPARE(window.Label3->text(),
                 QStringLiteral("1.根据读音提示在英文框中输入相应的英文单词;"));
    }

    // 8 ms after opening the word is read, then every 隔读秒数 seconds,
    // counted again from each restart.
    void readingSchedule() {
        writeSettings(1, 4, {{"隔读秒数", "1.5"}});
        Form3& window = open();
        QCOMPARE(window.Timer1->Interval(), 8);
        QVERIFY(window.Timer1->isTicking());
        QTRY_COMPARE(spoken(), QStringList{QStringLiteral("hello")});
        QCOMPARE(window.Timer1->Interval(), 1500);
        QVERIFY(window.Timer1->isTicking());
        window.Text4->setText(QStringLiteral("0"));
        window.Timer1_Timer();
        QCOMPARE(spoken().size(), 2);
        QVERIFY(!window.Timer1->isTicking());
        window.Text4->setText(QStringLiteral("四"));
        window.Timer1_Timer();
        QCOMPARE(window.Timer1->Interval(), 3000);
        QTest::mouseClick(window.Command7, Qt::LeftButton);
        QCOMPARE(spoken().size(), 4);
        QVERIFY(window.Timer1->isTicking());
        QVERIFY(window.focusWidget() == window.Text2);
    }

    void silentWithoutReading() {
        writeSettings(1, 4, {{"英语读音", "0"}});
        Form3& window = open();
        window.Timer1_Timer();
        answer(window, QStringLiteral("hello"));
        QTest::mouseClick(window.Command13, Qt::LeftButton);
        QVERIFY(spoken().isEmpty());
    }

    void aFailedReadingIsReportedOncePerRun() {
        writeSettings(1, 4);
        Form3& window = open();
        desktop_->speech.failing = true;
        window.Timer1_Timer();
        window.Timer1_Timer();
        QCOMPARE(desktop_->prompt.texts(), QStringList{QStringLiteral("本程序只能阅读英文文档")});
        QCOMPARE(desktop_->prompt.messages.first().title, QStringLiteral("错误提示"));
        // Asked for, it always says so; the test goes on.
        QTest::mouseClick(window.Command7, Qt::LeftButton);
        QCOMPARE(desktop_->prompt.messages.size(), 2);
        answer(window, QStringLiteral("hello"));
        QCOMPARE(window.Text3->text(), QStringLiteral("hi"));
    }

    // An input method may be active: the field takes part in it, and the
    // word it commits counts as typed.
    void wordsComeThroughAnInputMethod() {
        writeSettings(1, 4);
        Form3& window = open();
        QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
        QCoreApplication::sendEvent(window.Text2, &query);
        QVERIFY(query.value(Qt::ImEnabled).toBool());
        const auto hints = Qt::InputMethodHints(query.value(Qt::ImHints).toInt());
        QVERIFY(hints & Qt::ImhNoAutoUppercase);
        QVERIFY(!(hints & (Qt::ImhLatinOnly | Qt::ImhDigitsOnly | Qt::ImhHiddenText)));

        QInputMethodEvent composing(QStringLiteral("hel"), {});
        QCoreApplication::sendEvent(window.Text2, &composing);
        QVERIFY(window.Text2->text().isEmpty());
        QInputMethodEvent committed;
        committed.setCommitString(QStringLiteral("hello"));
        QCoreApplication::sendEvent(window.Text2, &committed);
        QTest::keyClick(window.Text2, Qt::Key_Return);
        QCOMPARE(window.Text3->text(), QStringLiteral("hi"));
    }

    // Closing across midnight: the score counts the minute the test lasted,
    // the missed word comes up in the table, and the options are kept.
    void closingLeavesTheScoreTheTableAndTheOptions() {
        ManualClock& clock = installManualClock(QDateTime(QDate(2026, 12, 9), QTime(23, 59, 30)));
        writeSettings(1, 10, {{"许错遍数", "2"}});
        Form3& window = open();
        QVERIFY(errorRows().isEmpty());
        answer(window, QStringLiteral("hello"));
        answer(window, QStringLiteral("ho"));
        answer(window, QStringLiteral("ho"));
        answer(window, QStringLiteral("hi"));
        QTest::mouseClick(window.Check4, Qt::LeftButton);
        window.Text4->setText(QStringLiteral("4.5"));
        clock.advance(60'000);

        ModalWatch table;
        table.arm();
        window.close();
        QVERIFY(!forms().existing<Form3>());
        QVERIFY(table.shown);
        QCOMPARE(
            table.summary.split(u'\n').mid(0, 4),
            (QStringList{"共有：10个单词", "错误：1个单词", "正确率：90.00%", "速度：3个/分钟"}));

        ScoreOwner = CurrentUser;
        ScoreMode = QStringLiteral("ggmk");
        const QStringList records = ScoreRecords();
        QCOMPARE(records.size(), 1);
        const ScoreFields fields = parseScoreRecord(records.first());
        QCOMPARE(fields.course, QStringLiteral("小学第一册(旧版)"));
        QCOMPARE(fields.speed, QStringLiteral("3"));
        QCOMPARE(fields.accuracy, QStringLiteral("90"));

        const QStringList stored{
            ReadSetting(kSection, "显示中文"), ReadSetting(kSection, "打乱次序"),
            ReadSetting(kSection, "英语读音"), ReadSetting(kSection, "显示提示"),
            ReadSetting(kSection, "许错遍数"), ReadSetting(kSection, "隔读秒数")};
        QCOMPARE(stored, (QStringList{"1", "0", "1", "0", "2", "4.5"}));
        QVERIFY(forms().mainWindow().isVisible());

        // Opened again, the options are as they were left.
        Form3& again = open();
        QVERIFY(!again.Check4->isChecked() && !again.Label3->isVisible());
        QCOMPARE(again.Text4->text(), QStringLiteral("4.5"));
        QVERIFY(errorRows().isEmpty());
    }

    void closingAtOnceWithoutMissesShowsNoTable() {
        installManualClock(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
        writeSettings(1, 4);
        Form3& window = open();
        ModalWatch table;
        table.arm();
        window.close();
        QCoreApplication::processEvents();
        QVERIFY(!table.shown);
        ScoreOwner = CurrentUser;
        ScoreMode = QStringLiteral("ggmk");
        const ScoreFields fields = parseScoreRecord(ScoreRecords().value(0));
        // One word shown in less than a second counts as a second.
        QCOMPARE(fields.speed, QStringLiteral("60"));
        QCOMPARE(fields.accuracy, QStringLiteral("100"));
    }

    void theTableAndTheCurveHoldTheReadingBack() {
        installManualClock(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
        writeSettings(6, 8, {{"许错遍数", "1"}});
        Form3& window = open();
        answer(window, QStringLiteral("Mis"));
        ModalWatch table;
        table.arm();
        QTest::mouseClick(window.Command12, Qt::LeftButton);
        QVERIFY(table.shown);
        QCOMPARE(table.summary.split(u'\n').mid(0, 3),
                 (QStringList{"共有：3个单词", "错误：1个单词", "正确率：66.67%"}));
        QVERIFY(!window.Timer1->Enabled());
        QCOMPARE(window.focusWidget(), window.Text2);
        QTest::mouseClick(window.Command7, Qt::LeftButton);
        QVERIFY(window.Timer1->isTicking());

        QTest::mouseClick(window.Command8, Qt::LeftButton);
        QVERIFY(!window.Timer1->Enabled());
        QVERIFY(forms().existing<Form10>() && forms().existing<Form10>()->isVisible());
        QCOMPARE(ScoreMode, QStringLiteral("ggmk"));
    }

    // The main window's toolbar opens the test; its own button and menu item
    // do nothing there; leaving for first-learn saves its options, and the
    // study menu brings it back with them.
    void reachedFromEveryDoorAndLeftForAnother() {
        writeSettings(1, 4);
        Form6& main = forms().form<Form6>();
        Form2& library = forms().form<Form2>();
        main.show();
        main.navigation->button(QStringLiteral("t4"))->trigger();
        Form3* window = forms().existing<Form3>();
        QVERIFY(window && window->isVisible());
        QVERIFY(!main.isVisible());
        QVERIFY(!window->navigation->mnustrong->isEnabled());
        window->navigation->button(QStringLiteral("t4"))->trigger();
        QCOMPARE(forms().existing<Form3>(), window);
        QVERIFY(window->isVisible());

        QTest::mouseClick(window->Check2, Qt::LeftButton);
        window->navigation->button(QStringLiteral("t2"))->trigger();
        QVERIFY(!forms().existing<Form3>());
        QVERIFY(forms().existing<Form8>() && forms().existing<Form8>()->isVisible());
        QCOMPARE(ReadSetting(kSection, "打乱次序"), QStringLiteral("1"));
        QVERIFY(!main.isVisible());

        forms().existing<Form8>()->navigation->mnustrong->trigger();
        QVERIFY(!forms().existing<Form8>());
        window = forms().existing<Form3>();
        QVERIFY(window && window->isVisible() && window->Check2->isChecked());

        // To the review quiz and back.
        window->navigation->button(QStringLiteral("t3"))->trigger();
        QVERIFY(!forms().existing<Form3>());
        QVERIFY(forms().existing<Form1>() && forms().existing<Form1>()->isVisible());
        forms().existing<Form1>()->navigation->button(QStringLiteral("t4"))->trigger();
        QVERIFY(!forms().existing<Form1>());
        window = forms().existing<Form3>();
        QVERIFY(window && window->isVisible() && window->Check2->isChecked());
        QVERIFY(!main.isVisible());

        // The library window's 回忆单词 hides it and opens the test.
        window->close();
        QVERIFY(main.isVisible());
        main.navigation->button(QStringLiteral("t1"))->trigger();
        QVERIFY(library.isVisible());
        library.Command2->click();
        QVERIFY(!library.isVisible());
        QVERIFY(forms().existing<Form3>() && forms().existing<Form3>()->isVisible());
    }

    // Its own tool menu opens the organizer over it, as the main window's does.
    void theToolMenuOpensTheOrganizer() {
        writeSettings(1, 4);
        Form3& window = open();
        QCOMPARE(window.mnutool->actions(), (QList<QAction*>{window.mnuzl, window.mnudialogue}));
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->windowTitle();
                modal->close();
            }
        });
        window.mnuzl->trigger();
        QVERIFY(opened.startsWith(QStringLiteral("整理个人词库")));
    }
};

QTEST_MAIN(ConsolidationWindowTest)
#include "test_consolidation_window.moc"
