#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

#include "fakes/desktop.h"
#include "fakes/file_saves.h"
#include "fakes/fixed_random.h"
#include "library/form2_library.h"
#include "platform/random_source.h"
#include "platform/text_codec.h"
#include "platform/window_timer.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "study/form8_first_learn.h"
#include "study/similar_words.h"
#include "study/up_down.h"

using namespace tawen;

namespace {

struct Setting {
    const char* key;
    const char* value;
};

const QString kFirstLearn = QStringLiteral("初记");

}  // namespace

// Drives the first-learn window as the learner and its timers do: clicks and
// ticks are run directly, and the recorded speech and messages are checked.
class FirstLearnTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;

    // The user's file with every default, then the range and the first-learn
    // options the test needs. Course xx1 (小学第一册(旧版)) is row 0 of the list.
    void writeSettings(int first, int last, std::initializer_list<Setting> options = {}) {
        writeDefaultSettings();
        WriteSetting("词库", "全部", "False");
        WriteSetting("词库", "词始", QString::number(first));
        WriteSetting("词库", "词终", QString::number(last));
        for (const Setting& option : options)
            WriteSetting(kFirstLearn, QString::fromUtf8(option.key),
                         QString::fromUtf8(option.value));
    }

    // Takes keys out of the first-learn section, as a file cut short by a
    // crash or edited by hand lacks them.
    void dropKeys(const QStringList& keys) {
        QStringList kept;
        QString section;
        for (const QString& line :
             platform::decodeText(desktop_->root.read("User/tester.ini")).split("\r\n")) {
            if (line.startsWith(u'[')) section = line;
            if (section == "[初记]" && keys.contains(line.section(u'=', 0, 0))) continue;
            kept << line;
        }
        desktop_->root.write("User/tester.ini", platform::encodeText(kept.join("\r\n")));
    }

    // The main window loads the library window with the saved course, as
    // after login; then the first-learn window loads on its first reference.
    Form8& open() {
        forms().form<Form6>();
        forms().form<Form2>();
        return forms().form<Form8>();
    }

    static WordTable& words() { return *forms().form<Form2>().words; }
    static QString word(int row) { return words().TextMatrix(row, 1); }

    static int third(double seconds) { return int(std::lround(seconds * 1000 / 3)); }

    void close(Form8& window) {
        window.close();
        QVERIFY(!forms().existing<Form8>());
    }

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

    void loadsWithTheRangeAndNothingShown() {
        writeSettings(3, 7);
        Form8& window = open();
        QCOMPARE(window.windowTitle(), QStringLiteral("塔文英语单词 - [初学]"));
        QCOMPARE(window.StatusPanel1->text(), QStringLiteral("课程：小学第一册(旧版)"));
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(3-7)"));
        QCOMPARE(window.StatusPanel3->text(), QStringLiteral("点击播放钮开始学习"));
        QCOMPARE(window.rangeStart(), QStringLiteral("3"));
        QCOMPARE(window.rangeEnd(), QStringLiteral("7"));
        QCOMPARE(window.currentRow(), WordRow(2));
        QCOMPARE(window.Text1->text(), QString());
        QCOMPARE(window.Text2->toPlainText(), QString());
        QCOMPARE(window.Command6->text(), QStringLiteral("播放(&P)"));
        QVERIFY(!window.Timer2->Enabled() && !window.Timer3->Enabled() &&
                !window.Timer4->Enabled());
        QVERIFY(desktop_->speech.requests.isEmpty());
    }

    void theFirstNextShowsTheRangeStart() {
        writeSettings(3, 7);
        Form8& window = open();
        window.Command7_Click();
        QCOMPARE(window.currentRow(), WordRow(3));
        QCOMPARE(window.Text1->text(), QStringLiteral("I"));
        QCOMPARE(window.Label3->text(), words().TextMatrix(3, 3));
        QCOMPARE(window.Text2->toPlainText(), QStringLiteral("pron. 我"));
        QCOMPARE(window.StatusPanel3->text(), QStringLiteral("第3词"));
    }

    void theFirstPreviousShowsTheRangeEnd() {
        writeSettings(3, 7);
        Form8& window = open();
        QTest::mouseClick(window.Command8, Qt::LeftButton);
        QCOMPARE(window.currentRow(), WordRow(7));
        QCOMPARE(window.Text1->text(), word(7));
    }

    void stepsWrapAtBothEnds() {
        writeSettings(3, 5);
        Form8& window = open();
        QStringList seen;
        for (int n = 0; n < 4; ++n) {
            window.Command7_Click();
            seen << QString::number(window.currentRow());
        }
        QCOMPARE(seen, QStringList({"3", "4", "5", "3"}));
        window.Command8_Click();
        QCOMPARE(window.currentRow(), WordRow(5));
        window.Command8_Click();
        QCOMPARE(window.currentRow(), WordRow(4));
    }

    void aRangeGivenBackwardsIsSwapped() {
        writeSettings(7, 3);
        Form8& window = open();
        QCOMPARE(window.StatusPanel2->text(), QStringLiteral("学习：(7-3)"));
        QCOMPARE(window.rangeStart(), QStringLiteral("3"));
        QCOMPARE(window.rangeEnd(), QStringLiteral("7"));
        window.Command7_Click();
        QCOMPARE(window.currentRow(), WordRow(3));
    }

    void randomStepsOvershootOntoTheOtherEnd() {
        // r = 0.95 gives a stride of 4.
        platform::installRandom(std::make_unique<FixedRandom>(0.95));
        writeSettings(3, 7, {{"打乱词序", "1"}});
        Form8& window = open();
        QVERIFY(window.Check6->isChecked());
        window.Command7_Click();
        QCOMPARE(window.currentRow(), WordRow(6));
        window.Command7_Click();
        QCOMPARE(window.currentRow(), WordRow(3));  // 10 is past 7: the start, no remainder
        window.Command8_Click();
        QCOMPARE(window.currentRow(), WordRow(7));  // -1 is before 3: the end
        window.Command8_Click();
        QCOMPARE(window.currentRow(), WordRow(3));
    }

    // n readings at s seconds: the hidden Chinese comes after s/2, the
    // readings at s/3, then every s, each of the trimmed English with flags 144.
    void revealAndReadingSchedule_data() {
        QTest::addColumn<int>("readings");
        QTest::addColumn<int>("seconds");
        QTest::newRow("1 at 3 s") << 1 << 3;
        QTest::newRow("3 at 2 s") << 3 << 2;
        QTest::newRow("2 at 5 s") << 2 << 5;
        QTest::newRow("4 at 1 s") << 4 << 1;
    }

    void revealAndReadingSchedule() {
        QFETCH(int, readings);
        QFETCH(int, seconds);
        writeSettings(1, 10,
                      {{"朗读遍数", QByteArray::number(readings).constData()},
                       {"间隔秒数", QByteArray::number(seconds).constData()}});
        Form8& window = open();
        QCOMPARE(window.Text4->text(), QString::number(readings));
        QCOMPARE(window.Text3->text(), QString::number(seconds));
        window.Command7_Click();

        QVERIFY(!window.Text1->isHidden() && !window.Label3->isHidden());
        QVERIFY(window.Text2->isHidden());
        QVERIFY(window.Timer2->isTicking());
        QCOMPARE(window.Timer2->Interval(), seconds * 500);
        QVERIFY(window.Timer3->isTicking());
        QCOMPARE(window.Timer3->Interval(), third(seconds));
        QCOMPARE(window.readingCount(), qint16(0));

        window.Timer2_Timer();
        QVERIFY(!window.Text2->isHidden());
        QVERIFY(!window.Timer2->Enabled());

        for (int n = 1; n <= readings; ++n) {
            window.Timer3_Timer();
            QCOMPARE(window.readingCount(), qint16(n));
            QCOMPARE(window.Timer3->Interval(), seconds * 1000);
            QVERIFY(window.Timer3->isTicking());
            QCOMPARE(desktop_->speech.requests.size(), n);
            QCOMPARE(desktop_->speech.requests.last().text, QStringLiteral("hello"));
            QCOMPARE(desktop_->speech.requests.last().flags, 144);
        }
        window.Timer3_Timer();
        QVERIFY(!window.Timer3->Enabled());
        QCOMPARE(desktop_->speech.requests.size(), readings);
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void theEnglishCanComeLater() {
        writeSettings(1, 10, {{"缓出中文", "False"}, {"缓出英文", "True"}});
        Form8& window = open();
        QVERIFY(window.Option2->isChecked() && !window.Option1->isChecked());
        window.Command7_Click();
        QVERIFY(window.Text1->isHidden() && window.Label3->isHidden());
        QVERIFY(!window.Text2->isHidden());
        window.Timer2_Timer();
        QVERIFY(!window.Text1->isHidden() && !window.Label3->isHidden());
        QVERIFY(!window.Timer2->Enabled());
    }

    void aHiddenSideStaysHiddenWhenItsTimeComes() {
        writeSettings(1, 10, {{"显示中文", "0"}});
        Form8& window = open();
        QVERIFY(window.Text2->isHidden());
        QVERIFY(!window.Label2->isEnabled());
        window.Command7_Click();
        window.Timer2_Timer();
        QVERIFY(window.Text2->isHidden());
    }

    void readingWithoutPronunciationCountsButIsSilent() {
        writeSettings(1, 10, {{"英文发音", "0"}, {"朗读遍数", "2"}});
        Form8& window = open();
        window.Command7_Click();
        for (int n = 0; n < 3; ++n) window.Timer3_Timer();
        QVERIFY(!window.Timer3->Enabled());
        QVERIFY(desktop_->speech.requests.isEmpty());
        // 复读 reads whatever 英语发音 says.
        window.Command3_Click();
        QCOMPARE(desktop_->speech.texts(), QStringList{"hello"});
        QCOMPARE(desktop_->speech.requests[0].flags, 144);
    }

    void everythingAtOnceDisablesTheOptionsAndRevealsNothingLater() {
        writeSettings(1, 10, {{"同时出现", "1"}});
        Form8& window = open();
        QVERIFY(window.Check5->isChecked());
        QVERIFY(!window.Option1->isEnabled() && !window.Option2->isEnabled());
        window.Command7_Click();
        QVERIFY(!window.Text1->isHidden() && !window.Label3->isHidden());
        QVERIFY(!window.Text2->isHidden());
        QVERIFY(!window.Timer2->Enabled());
        QVERIFY(window.Timer3->isTicking());
        QCOMPARE(window.Timer3->Interval(), 1000);

        window.Check5->click();
        QVERIFY(window.Option1->isEnabled() && window.Option2->isEnabled());
        window.Check5->click();
        QVERIFY(!window.Option1->isEnabled() && !window.Option2->isEnabled());
    }

    // A reveal still pending from a word shown before 同时出现 was checked
    // does not come after the next word, which shows everything at once.
    void aPendingRevealIsDroppedWhenEverythingComesAtOnce() {
        writeSettings(1, 10);
        Form8& window = open();
        window.Command7_Click();
        QVERIFY(window.Timer2->Enabled());
        window.Check5->click();
        window.Command7_Click();
        QVERIFY(!window.Timer2->Enabled());
        QVERIFY(!window.Text2->isHidden());
    }

    void playAdvancesAfterASecondThenEveryWord() {
        writeSettings(1, 10, {{"朗读遍数", "2"}, {"间隔秒数", "4"}});
        Form8& window = open();
        QTest::mouseClick(window.Command6, Qt::LeftButton);
        QCOMPARE(window.Command6->text(), QStringLiteral("暂停(&S)"));
        QVERIFY(!window.Command7->isEnabled() && !window.Command8->isEnabled());
        QVERIFY(window.Timer4->isTicking());
        QCOMPARE(window.Timer4->Interval(), 1000);
        QCOMPARE(window.currentRow(), WordRow(0));

        window.Timer4_Timer();
        QCOMPARE(window.Timer4->Interval(), 8000);
        QCOMPARE(window.currentRow(), WordRow(1));
        QVERIFY(window.Timer3->isTicking() && window.Timer2->isTicking());
        window.Timer4_Timer();
        QCOMPARE(window.currentRow(), WordRow(2));

        // Pausing lets the readings of the word on screen finish.
        window.Command6_Click();
        QCOMPARE(window.Command6->text(), QStringLiteral("播放(&P)"));
        QVERIFY(window.Command7->isEnabled() && window.Command8->isEnabled());
        QVERIFY(!window.Timer4->Enabled());
        QCOMPARE(window.Timer4->Interval(), 1000);
        QVERIFY(window.Timer3->isTicking() && window.Timer2->isTicking());
    }

    // With 朗读遍数 0 the word is not read, and the automatic advance gets a
    // period of 0, which never fires: play stops after that word.
    void zeroReadingsStopsPlayAfterTheWord() {
        writeSettings(1, 10, {{"朗读遍数", "0"}});
        Form8& window = open();
        window.Command6_Click();
        QVERIFY(window.Timer4->isTicking());
        window.Timer4_Timer();
        QCOMPARE(window.currentRow(), WordRow(1));
        QCOMPARE(window.Timer4->Interval(), 0);
        QVERIFY(window.Timer4->Enabled());
        QVERIFY(!window.Timer4->isTicking());
        QVERIFY(window.Timer3->isTicking());
        window.Timer3_Timer();
        QCOMPARE(window.readingCount(), qint16(1));
        QVERIFY(!window.Timer3->Enabled());
        QVERIFY(desktop_->speech.requests.isEmpty());

        QSignalSpy ticks(window.Timer4, &platform::WindowTimer::Timer);
        QTest::qWait(50);
        QCOMPARE(ticks.count(), 0);
        QCOMPARE(window.currentRow(), WordRow(1));
    }

    void theTimersRunByThemselves() {
        // Whole seconds only; 1 s readings of 2 words end well inside the wait.
        writeSettings(1, 10, {{"朗读遍数", "1"}, {"间隔秒数", "1"}});
        Form8& window = open();
        window.Command6_Click();
        QTRY_COMPARE_WITH_TIMEOUT(window.currentRow(), WordRow(2), 4000);
        QTRY_VERIFY_WITH_TIMEOUT(desktop_->speech.requests.size() >= 1, 2000);
        QCOMPARE(desktop_->speech.requests.first().text, QStringLiteral("hello"));
    }

    void aFailingSpeakIsReportedOnceAndPlayGoesOn() {
        writeSettings(1, 10, {{"朗读遍数", "3"}});
        Form8& window = open();
        desktop_->speech.failing = true;
        window.Command6_Click();
        window.Timer4_Timer();
        for (int n = 0; n < 3; ++n) window.Timer3_Timer();
        QCOMPARE(desktop_->speech.requests.size(), 3);
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].text, QStringLiteral("本程序只能阅读英文文档"));
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(window.Timer3->isTicking());
        window.Timer3_Timer();
        QVERIFY(!window.Timer3->Enabled());

        // The next word comes and is read (and fails) without another box.
        QVERIFY(window.Timer4->isTicking());
        window.Timer4_Timer();
        QCOMPARE(window.currentRow(), WordRow(2));
        window.Timer3_Timer();
        QCOMPARE(desktop_->speech.requests.size(), 4);
        QCOMPARE(desktop_->prompt.messages.size(), 1);

        // Asked for by 复读, the learner is told again.
        window.Command3_Click();
        QCOMPARE(desktop_->prompt.messages.size(), 2);

        // Once speech works, a later failure is reported again.
        desktop_->speech.failing = false;
        window.Timer3_Timer();
        desktop_->speech.failing = true;
        window.Timer3_Timer();
        QCOMPARE(desktop_->prompt.messages.size(), 3);
    }

    void similarWordsFollowTheEnglishBox() {
        writeSettings(1, 144);
        Form8& window = open();
        QVERIFY(window.Check4->isChecked());
        QVERIFY(window.Label6->isVisibleTo(&window) && window.Label11->isEnabled());
        for (int n = 0; n < 11; ++n) window.Command7_Click();
        QCOMPARE(window.Text1->text(), QStringLiteral("good morning"));
        const QString expected = SimilarWords(QStringLiteral("good morning"), words());
        QCOMPARE(window.Label6->text(), expected);
        QVERIFY(expected.startsWith(QStringLiteral("good     adj. 好的；擅长的  ")));
        QVERIFY(expected.contains(QStringLiteral("\nmorning     n. 早晨；上午  ")));

        // A word the learner types gets its own list.
        window.Text1->setText(QStringLiteral("am"));
        QCOMPARE(window.Label6->text(), QString());
    }

    void similarWordsHideWithTheirOption() {
        writeSettings(1, 10, {{"显示相似", "0"}});
        Form8& window = open();
        QVERIFY(!window.Label6->isVisibleTo(&window));
        QVERIFY(!window.Label11->isEnabled());
        window.Check4->click();
        QVERIFY(window.Label6->isVisibleTo(&window));
        QVERIFY(window.Label11->isEnabled());
    }

    void theEnglishOptionHidesTheWordAndItsPhonetic() {
        writeSettings(1, 10, {{"显示英文", "0"}});
        Form8& window = open();
        QVERIFY(window.Text1->isHidden() && window.Label3->isHidden());
        QVERIFY(!window.Label1->isEnabled());
        window.Command7_Click();
        window.Timer2_Timer();
        QVERIFY(window.Text1->isHidden());
        window.Check2->click();
        QVERIFY(!window.Text1->isHidden() && !window.Label3->isHidden());
        QVERIFY(window.Label1->isEnabled());
    }

    void withoutSavedOptionsTheDesignStateStays() {
        writeDefaultSettings();
        // A file whose first-learn section lost its first key keeps nothing of it.
        WriteSetting(kFirstLearn, "英文发音", "");
        WriteSetting(kFirstLearn, "显示相似", "1");
        WriteSetting(kFirstLearn, "朗读遍数", "9");
        Form8& window = open();
        QVERIFY(window.Check1->isChecked() && window.Check2->isChecked() &&
                window.Check3->isChecked());
        QVERIFY(!window.Check4->isChecked() && !window.Check5->isChecked() &&
                !window.Check6->isChecked());
        QVERIFY(window.Option1->isChecked() && !window.Option2->isChecked());
        QCOMPARE(window.Text4->text(), QStringLiteral("1"));
        QCOMPARE(window.Text3->text(), QStringLiteral("3"));
        QVERIFY(!window.Label6->isVisibleTo(&window) && !window.Label11->isEnabled());
    }

    // Each key the file lacks keeps its design state; the keys it holds apply.
    // Without a number of readings or seconds the words still come one by one.
    void keysMissingFromTheFileKeepTheDesignState() {
        writeSettings(1, 10, {{"显示相似", "0"}});
        dropKeys({"缓出中文", "朗读遍数", "间隔秒数"});
        Form8& window = open();
        QVERIFY(!window.Check4->isChecked());
        QVERIFY(window.Option1->isChecked() && !window.Option2->isChecked());
        QCOMPARE(window.Text4->text(), QStringLiteral("1"));
        QCOMPARE(window.Text3->text(), QStringLiteral("3"));

        window.Command6_Click();
        window.Timer4_Timer();
        QCOMPARE(window.currentRow(), WordRow(1));
        QVERIFY(window.Text2->isHidden());  // the Chinese still comes later
        QCOMPARE(window.Timer4->Interval(), 3000);
        QVERIFY(window.Timer4->isTicking());
        window.Timer4_Timer();
        QCOMPARE(window.currentRow(), WordRow(2));
    }

    void settingsAreWrittenAndRestoredAcrossCloseAndReopen() {
        writeSettings(1, 10);
        Form8& window = open();
        window.Check1->click();
        window.Check6->click();
        window.Check3->click();
        window.Check4->click();
        window.Option2->click();
        window.Check5->click();
        window.UpDown1->stepUp();
        window.UpDown1->stepUp();
        window.UpDown2->stepDown();
        QCOMPARE(window.Text4->text(), QStringLiteral("3"));
        QCOMPARE(window.Text3->text(), QStringLiteral("2"));
        FileSaves saves(SettingsPath());
        QVERIFY(saves.watching());
        close(window);
        QCOMPARE(saves.count(), 1);

        QCOMPARE(ReadSetting(kFirstLearn, "英文发音"), QStringLiteral("0"));
        QCOMPARE(ReadSetting(kFirstLearn, "打乱词序"), QStringLiteral("1"));
        QCOMPARE(ReadSetting(kFirstLearn, "显示英文"), QStringLiteral("1"));
        QCOMPARE(ReadSetting(kFirstLearn, "显示中文"), QStringLiteral("0"));
        QCOMPARE(ReadSetting(kFirstLearn, "显示相似"), QStringLiteral("0"));
        QCOMPARE(ReadSetting(kFirstLearn, "同时出现"), QStringLiteral("1"));
        QCOMPARE(ReadSetting(kFirstLearn, "缓出中文"), QStringLiteral("False"));
        QCOMPARE(ReadSetting(kFirstLearn, "缓出英文"), QStringLiteral("True"));
        QCOMPARE(ReadSetting(kFirstLearn, "朗读遍数"), QStringLiteral("3"));
        QCOMPARE(ReadSetting(kFirstLearn, "间隔秒数"), QStringLiteral("2"));
        QVERIFY(desktop_->root.read("User/tester.ini")
                    .contains(platform::encodeText(u"[初记]\r\n英文发音=0\r\n打乱词序=1\r\n")));
        QVERIFY(forms().existing<Form6>()->isVisible());
        QVERIFY(desktop_->prompt.messages.isEmpty());

        Form8& again = open();
        QVERIFY(!again.Check1->isChecked());
        QVERIFY(again.Check6->isChecked());
        QVERIFY(again.Check2->isChecked());
        QVERIFY(!again.Check3->isChecked());
        QVERIFY(!again.Check4->isChecked());
        QVERIFY(again.Check5->isChecked());
        QVERIFY(!again.Option1->isChecked() && again.Option2->isChecked());
        QVERIFY(!again.Option1->isEnabled() && !again.Option2->isEnabled());
        QCOMPARE(again.Text4->text(), QStringLiteral("3"));
        QCOMPARE(again.Text3->text(), QStringLiteral("2"));
        // The stored values took effect as clicks would.
        QVERIFY(again.Text2->isHidden() && !again.Label2->isEnabled());
        QVERIFY(!again.Label6->isVisibleTo(&again) && !again.Label11->isEnabled());
    }

    void storedTextThatIsNoNumberCountsAsZero() {
        writeSettings(1, 10, {{"朗读遍数", "abc"}, {"间隔秒数", "x"}});
        Form8& window = open();
        QCOMPARE(window.Text4->text(), QStringLiteral("abc"));
        window.Command7_Click();
        QCOMPARE(window.Timer3->Interval(), 0);
        QVERIFY(!window.Timer3->isTicking());
        window.UpDown1->stepUp();
        QCOMPARE(window.Text4->text(), QStringLiteral("1"));
        close(window);
        QCOMPARE(ReadSetting(kFirstLearn, "间隔秒数"), QStringLiteral("x"));
    }

    // Whatever the file held goes back into it as it was, however long.
    void storedTextIsWrittenBackWhole() {
        writeSettings(1, 10, {{"朗读遍数", "12345"}, {"间隔秒数", "0.125"}});
        close(open());
        QCOMPARE(ReadSetting(kFirstLearn, "朗读遍数"), QStringLiteral("12345"));
        QCOMPARE(ReadSetting(kFirstLearn, "间隔秒数"), QStringLiteral("0.125"));
    }

    void eachFailedWriteShowsItsKeyAndTheCloseGoesOn() {
        writeSettings(1, 10);
        Form8& window = open();
        CurrentUser = QStringLiteral("../missing/folder/tester");
        close(window);
        QCOMPARE(
            desktop_->prompt.texts(),
            QStringList({"英文发音出错！", "打乱词序出错！", "显示英文出错！", "显示中文出错！",
                         "显示相似出错！", "同时出现出错！", "缓出中文出错！", "缓出英文出错！",
                         "朗读遍数出错！", "间隔秒数出错！"}));
        QVERIFY(forms().existing<Form6>()->isVisible());
    }

    void thePhoneticIsInThePhoneticFaceAndTheWordInBlue() {
        writeSettings(1, 10);
        Form8& window = open();
        window.Command7_Click();
        QCOMPARE(window.Label3->font().family(), QStringLiteral("DFPhonetic"));
        QCOMPARE(window.Label3->text(), QStringLiteral("[həˈloʊ]"));
        const QColor blue(64, 112, 176);
        QCOMPARE(window.Label3->palette().color(QPalette::Active, QPalette::WindowText), blue);
        QCOMPARE(window.Text1->palette().color(QPalette::Active, QPalette::Text), blue);
        QCOMPARE(window.Label1->palette().color(QPalette::Active, QPalette::WindowText), blue);
        QCOMPARE(window.Text1->font().family(), QStringLiteral("Arial"));
        QVERIFY(window.Text1->font().bold());
        QCOMPARE(window.Text1->font().pointSizeF(), 15.75);
        QCOMPARE(window.Text2->font().family(), QStringLiteral("黑体"));
        QVERIFY(window.Text2->font().bold());
    }

    void itsOwnModeIsInertAndOthersSwitch() {
        writeSettings(1, 10, {{"朗读遍数", "2"}});
        Form8& window = open();
        QCOMPARE(&modeWindow(Mode::FirstLearn)(), static_cast<QWidget*>(&window));
        QVERIFY(!window.navigation->mnufirst->isEnabled());
        QVERIFY(window.navigation->mnureview->isEnabled());
        window.navigation->button("t2")->trigger();
        QCOMPARE(forms().existing<Form8>(), &window);

        // To the library: this window saves and goes, the main window stays hidden.
        window.show();
        forms().existing<Form6>()->hide();
        window.Text4->setText(QStringLiteral("5"));
        window.navigation->mnuwordstock->trigger();
        QVERIFY(!forms().existing<Form8>());
        QCOMPARE(ReadSetting(kFirstLearn, "朗读遍数"), QStringLiteral("5"));
        QVERIFY(forms().existing<Form2>()->isVisible());
        QVERIFY(!forms().existing<Form6>()->isVisible());

        // From the main window the first-learn window opens again.
        switchFromMainWindow(Mode::FirstLearn);
        QVERIFY(forms().existing<Form8>() && forms().existing<Form8>()->isVisible());
        QCOMPARE(forms().existing<Form8>()->Text4->text(), QStringLiteral("5"));
    }

    void closingTheMainWindowSavesTheFirstLearnOptions() {
        writeSettings(1, 10);
        Form8& window = open();
        window.Text3->setText(QStringLiteral("7"));
        forms().existing<Form6>()->close();
        QVERIFY(!forms().existing<Form8>());
        QCOMPARE(ReadSetting(kFirstLearn, "间隔秒数"), QStringLiteral("7"));
    }
};

QTEST_MAIN(FirstLearnTest)
#include "test_first_learn.moc"
