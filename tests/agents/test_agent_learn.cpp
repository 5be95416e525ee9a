#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "agents/form9_agent_learn.h"
#include "fakes/desktop.h"
#include "fakes/fixed_random.h"
#include "fakes/recording_characters.h"
#include "library/form2_library.h"
#include "platform/random_source.h"
#include "platform/window_timer.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "study/form8_first_learn.h"
#include "study/up_down.h"

using namespace tawen;

namespace {

struct Setting {
    const char* key;
    const char* value;
};

const QString kSection = QStringLiteral("初记精灵");
const QString kNoVoice =
    QStringLiteral("电脑没有安装该发音,") + QChar(13) + QStringLiteral("请到塔文英语主页下载.");

QStringList itemsOf(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items.append(box.itemText(i));
    return items;
}

QString shown(const QString& text) { return "\\Map=\"\"=\"" + text + "\"\\"; }

}  // namespace

// Drives the agent first-learn as the learner and its timers do, with a
// recording character engine: what each character is asked to do, in order,
// and what reaches the settings file.
class AgentLearnTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;
    RecordingCharacters* characters_ = nullptr;

    void addCharacter(const QString& file) {
        desktop_->root.write("system/msagent/chars/" + file, "x");
    }

    // A user's file with every default and the range; the agent's section
    // only when options are given. Course xx1 (小学第一册(旧版)) is loaded.
    void writeSettings(int first, int last, std::initializer_list<Setting> options = {}) {
        writeDefaultSettings();
        WriteSetting("词库", "全部", "False");
        WriteSetting("词库", "词始", QString::number(first));
        WriteSetting("词库", "词终", QString::number(last));
        for (const Setting& option : options)
            WriteSetting(kSection, QString::fromUtf8(option.key), QString::fromUtf8(option.value));
    }

    Form9& open() {
        forms().form<Form6>();
        forms().form<Form2>();
        return forms().form<Form9>();
    }

    static WordTable& words() { return *forms().form<Form2>().words; }

    // The calls from the nth on, each wait naming the call it waits for:
    // "AgentIDB Wait [AgentIDA Play greet]".
    QStringList calls(qsizetype from) const {
        QStringList readable = characters_->callsFrom(from);
        for (QString& line : readable) {
            if (!line.contains(" Wait ")) continue;
            const quint64 number = line.section(u'#', -1).toULongLong();
            for (const QString& made : characters_->log)
                if (made.contains(" -> #") && RecordingCharacters::numberIn(made) == number)
                    line =
                        line.section(" Wait ", 0, 0) + " Wait [" + made.section(" -> ", 0, 0) + "]";
        }
        return readable;
    }

    static qsizetype indexOf(const QStringList& log, const QString& start) {
        for (qsizetype i = 0; i < log.size(); ++i)
            if (log[i].startsWith(start)) return i;
        return -1;
    }

    // The calls of a pair acting together, A first.
    static QStringList together(const QString& a, const QString& b) {
        return {"AgentIDA " + a, "AgentIDB Wait [AgentIDA " + a + "]", "AgentIDB " + b,
                "AgentIDA Wait [AgentIDB " + b + "]"};
    }

    static QStringList exchange(const QString& a, const QString& aLook, const QString& b,
                                const QString& bLook) {
        return {"AgentIDA Speak " + a,
                "AgentIDA Play " + aLook,
                "AgentIDB Wait [AgentIDA Play " + aLook + "]",
                "AgentIDB Speak " + b,
                "AgentIDB Play " + bLook,
                "AgentIDA Wait [AgentIDB Play " + bLook + "]"};
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        characters_ = &installRecordingCharacters();
        CurrentUser = QStringLiteral("tester");
        QDir().mkpath(characterFolder());
        addCharacter("zippy.tcf");
        addCharacter("bao.tcf");
    }

    void cleanup() {
        forms().discardAll();
        platform::installRandom(std::make_unique<platform::SystemRandom>());
        installRecordingCharacters();
        desktop_.reset();
    }

    void aNewLearnerGetsTheDefaultsAndBothCharactersComeOut() {
        writeSettings(3, 7);
        Form9& window = open();
        QCOMPARE(window.windowTitle(), QStringLiteral("精灵设置"));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("zippy.tcf"));
        QCOMPARE(window.Combo2->currentText(), QStringLiteral("bao.tcf"));
        QCOMPARE(
            itemsOf(*window.Combo3),
            (QStringList{"默认声音", "Mary", "Mary(for Telephone)", "Mike", "Mike(for Telephone)",
                         "Mike in Hall", "Mike in Space", "Mike in Stadium", "RoboSoft One",
                         "RoboSoft Two", "RoboSoft Three"}));
        QCOMPARE(window.Combo3->currentText(), QStringLiteral("默认声音"));
        QVERIFY(!window.Check1->isChecked() && window.Check2->isChecked());
        QVERIFY(window.Option2->isChecked() && !window.Option1->isChecked());
        QCOMPARE(window.Text2->text(), QStringLiteral("1"));
        QCOMPARE(window.Text3->text(), QStringLiteral("3"));
        QCOMPARE(calls(0).mid(0, 9),
                 (QStringList{"AgentIDA Load zippy.tcf", "AgentIDA BalloonFontName 宋体",
                              "AgentIDA AutoPopupMenu False", "AgentIDB Load bao.tcf",
                              "AgentIDB AutoPopupMenu False", "AgentIDA MoveTo 180 400",
                              "AgentIDA Show", "AgentIDB MoveTo 500 400", "AgentIDB Show"}));
        QCOMPARE(calls(0).mid(calls(0).size() - 4),
                 (QStringList{"AgentIDA LanguageID 1033", "AgentIDA BalloonFontName 宋体",
                              "AgentIDB BalloonFontName 宋体", "AgentIDA TTSModeID "}));
        QCOMPARE(window.currentRow(), WordRow(2));
        QCOMPARE(window.Text4->text(), QStringLiteral("I"));
        QCOMPARE(window.Text5->text(), QStringLiteral("pron. 我"));
        for (platform::WindowTimer* timer : {window.Timer1, window.Timer2}) {
            QVERIFY(timer->Enabled());
            QCOMPARE(timer->Interval(), 20000);
        }
        QVERIFY(!window.mnuNext->isEnabled() && !window.mnuUP->isEnabled());
        QVERIFY(desktop_->prompt.messages.isEmpty());
        QVERIFY(ReadSettings(kSection).isEmpty());
    }

    void theGreetingTakesTurnsInBothRoles_data() {
        QTest::addColumn<bool>("chineseFirst");
        QTest::addColumn<QStringList>("lines");  // A's and B's, in turn
        QTest::addColumn<QString>("englishRole");
        QTest::newRow("缓出中文") << false
                                  << QStringList{"您 好 ！ 我 是 zippy 。",    "您好！我是bao。",
                                                 "我 负 责 用 英 语 提 问 。", "我负责用中文回答。",
                                                 "准 备 好 了 吗 ？",          "开始吧！"}
                                  << "AgentIDA";
        QTest::newRow("缓出英文") << true
                                  << QStringList{"您好！我是zippy。",  "您 好 ！ 我 是 bao 。",
                                                 "我负责用中文提问。", "我 负 责 用 英 语 回 答 。",
                                                 "准备好了吗？",       "开 始 吧 ！"}
                                  << "AgentIDB";
    }

    void theGreetingTakesTurnsInBothRoles() {
        QFETCH(bool, chineseFirst);
        QFETCH(QStringList, lines);
        QFETCH(QString, englishRole);
        writeSettings(3, 7,
                      {{"名称1", "zippy.tcf"},
                       {"名称2", "bao.tcf"},
                       {"发音引擎", "Mike"},
                       {"缓出英文", chineseFirst ? "True" : "False"},
                       {"缓出中文", chineseFirst ? "False" : "True"}});
        open();
        const QStringList made = calls(0);
        const qsizetype from = indexOf(made, "AgentIDA GestureAt");
        QStringList expected{"AgentIDA GestureAt 500 400", "AgentIDB GestureAt 180 400"};
        expected << together("Play Congratulate", "Play Congratulate")
                 << together("Speak " + shown(lines[0]), "Speak " + shown(lines[1]))
                 << together("Play greet", "Play greet")
                 << together("Speak " + shown(lines[2]), "Speak " + shown(lines[3]))
                 << together("Play Wave", "Play Wave")
                 << together("Speak " + shown(lines[4]), "Speak " + shown(lines[5]))
                 << "AgentIDA Play domagic2"
                 << "AgentIDB Wait [AgentIDA Play domagic2]"
                 << "AgentIDB Play acknowledge" << englishRole + " LanguageID 1033"
                 << "AgentIDA BalloonFontName 宋体"
                 << "AgentIDB BalloonFontName 宋体" << englishRole + " TTSModeID Mike";
        QCOMPARE(made.mid(from), expected);
    }

    void eachListNeverOffersTheOtherCharactersFile() {
        addCharacter("mimi.tcf");
        writeSettings(3, 7);
        Form9& window = open();
        QCOMPARE(window.File1, (QStringList{"bao.tcf", "mimi.tcf", "zippy.tcf"}));
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("mimi.tcf"));
        window.Combo1->showPopup();
        QCOMPARE(itemsOf(*window.Combo1), (QStringList{"mimi.tcf", "zippy.tcf"}));
        window.Combo1->hidePopup();
        window.Combo1->setCurrentIndex(window.Combo1->findText("zippy.tcf"));

        window.Combo2->showPopup();
        QCOMPARE(itemsOf(*window.Combo2), (QStringList{"bao.tcf", "mimi.tcf"}));
        window.Combo2->hidePopup();
        window.Combo2->setCurrentIndex(window.Combo2->findText("mimi.tcf"));

        // bao, offered to neither while the other held it, comes back.
        window.Combo1->showPopup();
        QCOMPARE(itemsOf(*window.Combo1), (QStringList{"bao.tcf", "zippy.tcf"}));
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("zippy.tcf"));
        window.Combo1->hidePopup();
    }

    void theTicksAdvanceFromTheRangeStartAndExchangeTheWord() {
        writeSettings(7, 3, {{"名称1", "zippy.tcf"}, {"朗读遍数", "2"}, {"间隔秒数", "4"}});
        Form9& window = open();
        window.Timer2_Timer();
        QCOMPARE(window.currentRow(), WordRow(3));
        QCOMPARE(window.Text4->text(), QStringLiteral("I"));
        QCOMPARE(window.Timer2->Interval(), 8000);
        window.Timer2_Timer();
        QCOMPARE(window.Text4->text(), words().TextMatrix(4, 1));
        QCOMPARE(window.Text5->text(), words().TextMatrix(4, 2));

        const qsizetype from = characters_->log.size();
        window.Timer1_Timer();
        QCOMPARE(window.Timer1->Interval(), 4000);
        QCOMPARE(calls(from), exchange(words().TextMatrix(4, 1), "LookLeft",
                                       words().TextMatrix(4, 2), "Lookright"));

        // Past the end, back to the start.
        for (int tick = 0; tick < 4; ++tick) window.Timer2_Timer();
        QCOMPARE(window.currentRow(), WordRow(3));
    }

    void withChineseFirstAAsksInChinese() {
        writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"缓出英文", "True"}, {"缓出中文", "False"}});
        Form9& window = open();
        window.Timer2_Timer();
        const qsizetype from = characters_->log.size();
        window.Timer1_Timer();
        QCOMPARE(calls(from), exchange("pron. 我", "LookLeft", "I", "Lookright"));
    }

    void shuffledWordsJumpAndNoRangeMeansTheWholeTable() {
        writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"打乱词序", "1"}});
        WriteSetting("词库", "词始", "");
        platform::installRandom(std::make_unique<FixedRandom>(0.95));  // a stride of 4
        Form9& window = open();
        QCOMPARE(window.currentRow(), WordRow(0));
        QCOMPARE(window.Text4->text(), words().TextMatrix(1, 1));
        window.Timer2_Timer();
        QCOMPARE(window.currentRow(), WordRow(4));
        window.mnuStop_Click();
        window.mnuUP_Click();
        QCOMPARE(window.currentRow(), WordRow(words().Rows() - 1));
    }

    void draggingBLeftOfASwapsTheLooksExceptInNext() {
        writeSettings(3, 7);
        Form9& window = open();
        window.characterB()->MoveTo(60, 420);  // the learner's drag
        window.mnuStop_Click();

        qsizetype from = characters_->log.size();
        window.mnuUP_Click();
        QCOMPARE(window.currentRow(), WordRow(7));
        QCOMPARE(calls(from), exchange(words().TextMatrix(7, 1), "Lookright",
                                       words().TextMatrix(7, 2), "LookLeft"));

        from = characters_->log.size();
        window.mnuNext_Click();
        QCOMPARE(window.currentRow(), WordRow(3));
        QCOMPARE(calls(from), exchange("I", "LookLeft", "pron. 我", "Lookright"));

        from = characters_->log.size();
        window.Timer1_Timer();
        QCOMPARE(calls(from), exchange("I", "Lookright", "pron. 我", "LookLeft"));
    }

    void withEnglishClearedNoLanguageIsSet() {
        writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"英文发音", "0"}});
        Form9& window = open();
        QVERIFY(!window.Check2->isChecked());
        window.mnuSz_Click();
        window.Command3_Click();
        QVERIFY(characters_->log.filter("LanguageID").isEmpty());
        QVERIFY(characters_->log.contains("AgentIDA TTSModeID "));
    }

    void pauseAndPlaySwitchTheTimersAndTheStepItems() {
        writeSettings(3, 7);
        Form9& window = open();
        const qsizetype from = characters_->log.size();
        window.mnuStop_Click();
        QVERIFY(!window.Timer1->Enabled() && !window.Timer2->Enabled());
        QVERIFY(window.mnuPlay->isVisible() && !window.mnuStop->isVisible());
        QVERIFY(window.mnuNext->isEnabled() && window.mnuUP->isEnabled());
        QCOMPARE(calls(from), (QStringList{"AgentIDA Play announce", "AgentIDB Play idle2_2"}));

        window.mnuPlay_Click();
        for (platform::WindowTimer* timer : {window.Timer1, window.Timer2}) {
            QVERIFY(timer->Enabled());
            QCOMPARE(timer->Interval(), 1000);
        }
        QVERIFY(!window.mnuPlay->isVisible() && window.mnuStop->isVisible());
        QVERIFY(!window.mnuNext->isEnabled() && !window.mnuUP->isEnabled());
    }

    void stepperTextsThatAreNotNumbersFallBackAndLongPeriodsStay() {
        writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"朗读遍数", "x"}, {"间隔秒数", "三"}});
        Form9& window = open();
        window.Timer2_Timer();
        window.Timer1_Timer();
        QCOMPARE(window.Timer2->Interval(), 3000);
        QCOMPARE(window.Timer1->Interval(), 3000);
        QCOMPARE(window.Text2->text(), QStringLiteral("x"));

        window.Text2->setText("20");
        window.Text3->setText("59");
        window.UpDown1->stepUp();
        window.UpDown2->stepUp();
        window.UpDown2->stepUp();
        QCOMPARE(window.Text2->text(), QStringLiteral("20"));
        QCOMPARE(window.Text3->text(), QStringLiteral("60"));
        window.Timer2_Timer();
        QCOMPARE(window.Timer2->Interval(), 1'200'000);
        QVERIFY(window.Timer2->isTicking());
    }

    void theNineKeysAreWrittenAndReadBack() {
        addCharacter("mimi.tcf");
        writeSettings(3, 7);
        Form9& window = open();
        window.mnuSz_Click();
        window.Combo1->setCurrentIndex(window.Combo1->findText("bao.tcf"));
        window.Combo2->setCurrentIndex(window.Combo2->findText("mimi.tcf"));
        window.Combo3->setCurrentIndex(window.Combo3->findText("Mike in Hall"));
        window.Check1->setChecked(true);
        window.Check2->setChecked(false);
        window.Option1->click();
        window.Text2->setText("4");
        window.Text3->setText("12");
        window.mnuback->trigger();

        QList<platform::IniEntry> expected{
            {"名称1", "bao.tcf"},  {"名称2", "mimi.tcf"}, {"发音引擎", "Mike in Hall"},
            {"打乱词序", "1"},     {"英文发音", "0"},     {"缓出英文", "True"},
            {"缓出中文", "False"}, {"朗读遍数", "4"},     {"间隔秒数", "12"}};
        const QList<platform::IniEntry> stored = ReadSettings(kSection);
        QCOMPARE(stored.size(), expected.size());
        for (qsizetype i = 0; i < stored.size(); ++i) {
            QCOMPARE(stored[i].key, expected[i].key);
            QCOMPARE(stored[i].value, expected[i].value);
        }
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));

        const qsizetype from = characters_->log.size();
        Form9& again = forms().form<Form9>();
        QCOMPARE(again.Combo1->currentText(), QStringLiteral("bao.tcf"));
        QCOMPARE(again.Combo2->currentText(), QStringLiteral("mimi.tcf"));
        QCOMPARE(again.Combo3->currentText(), QStringLiteral("Mike in Hall"));
        QVERIFY(again.Check1->isChecked() && !again.Check2->isChecked());
        QVERIFY(again.Option1->isChecked() && !again.Option2->isChecked());
        QCOMPARE(again.Text2->text(), QStringLiteral("4"));
        QCOMPARE(again.Text3->text(), QStringLiteral("12"));
        QCOMPARE(calls(from).first(), QStringLiteral("AgentIDA Load bao.tcf"));
        QCOMPARE(calls(from).last(), QStringLiteral("AgentIDB TTSModeID Mike in Hall"));
    }

    void backShowsTheMainWindowAndTheCharactersGo() {
        writeSettings(3, 7);
        Form6& main = forms().form<Form6>();
        main.show();
        main.navigation->button("t6")->trigger();
        QVERIFY(!main.isVisible());
        Form9* window = forms().existing<Form9>();
        QVERIFY(window && !window->isVisible());
        QVERIFY(characters().Characters("AgentIDA"));
        window->mnuback_Click();
        QVERIFY(main.isVisible());
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));
        QVERIFY(!ReadSettings(kSection).isEmpty());
    }

    void eachFailedWriteNamesItsKeyAndEmptyNamesAreSkipped() {
        writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"名称2", "bao.tcf"}});
        Form9& window = open();
        window.Combo1->setCurrentIndex(-1);
        window.Combo2->setCurrentIndex(-1);
        window.Text2->setText("6");
        window.mnuback_Click();
        QCOMPARE(ReadSetting(kSection, "名称1"), QStringLiteral("zippy.tcf"));
        QCOMPARE(ReadSetting(kSection, "名称2"), QStringLiteral("bao.tcf"));
        QCOMPARE(ReadSetting(kSection, "朗读遍数"), QStringLiteral("6"));
        QVERIFY(desktop_->prompt.messages.isEmpty());

        Form9& again = forms().form<Form9>();
        CurrentUser = QStringLiteral("../missing/folder/tester");
        again.mnuback_Click();
        QCOMPARE(desktop_->prompt.texts(),
                 (QStringList{"写名称1出错！", "写名称2出错！", "写发音引擎出错！",
                              "写打乱词序出错！", "写英文发音出错！", "写缓出英文出错！",
                              "写缓出中文出错！", "写朗读遍数出错！", "写间隔秒数出错！"}));
    }

    void settingsStopsThemAndConfirmReloadsWithoutAGreeting() {
        addCharacter("mimi.tcf");
        writeSettings(3, 7);
        Form9& window = open();
        window.Timer2_Timer();
        window.Timer2_Timer();
        window.Combo1->setCurrentIndex(window.Combo1->findText("bao.tcf"));

        qsizetype from = characters_->log.size();
        window.mnuSz_Click();
        QVERIFY(window.isVisible());
        QVERIFY(!window.Timer1->Enabled() && !window.Timer2->Enabled());
        QCOMPARE(calls(from), (QStringList{"AgentIDA Play writing", "AgentIDB Play process"}));
        // Nothing saved yet: the lists offer the folder again, with its defaults.
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("mimi.tcf"));
        QCOMPARE(window.Combo2->currentText(), QStringLiteral("bao.tcf"));
        QCOMPARE(itemsOf(*window.Combo1), window.File1);

        window.Combo2->setCurrentIndex(window.Combo2->findText("zippy.tcf"));
        window.Combo3->setCurrentIndex(window.Combo3->findText("RoboSoft Two"));
        window.Option1->click();
        from = characters_->log.size();
        QTest::mouseClick(window.Command3, Qt::LeftButton);
        QCOMPARE(calls(from),
                 (QStringList{"AgentIDA Unload", "AgentIDB Unload", "AgentIDA Load mimi.tcf",
                              "AgentIDA BalloonFontName 宋体", "AgentIDA AutoPopupMenu False",
                              "AgentIDB Load zippy.tcf", "AgentIDB AutoPopupMenu False",
                              "AgentIDA MoveTo 180 400", "AgentIDA Show", "AgentIDB MoveTo 500 400",
                              "AgentIDB Show", "AgentIDB LanguageID 1033",
                              "AgentIDA BalloonFontName 宋体", "AgentIDB BalloonFontName 宋体",
                              "AgentIDB TTSModeID RoboSoft Two"}));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.currentRow(), WordRow(2));
        QCOMPARE(window.Text4->text(), QStringLiteral("I"));
        QVERIFY(window.Timer1->Enabled() && window.Timer2->Enabled());
        QCOMPARE(window.Timer2->Interval(), 1000);
        QVERIFY(!window.mnuNext->isEnabled());
    }

    void cancelHidesThePanelStopsBothAndPlaysOn() {
        writeSettings(3, 7);
        Form9& window = open();
        window.mnuStop_Click();
        window.mnuSz_Click();
        const qsizetype from = characters_->log.size();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(calls(from), (QStringList{"AgentIDA Stop", "AgentIDB Stop"}));
        QVERIFY(window.Timer1->Enabled() && window.Timer2->Enabled());
        QVERIFY(window.mnuStop->isVisible() && !window.mnuPlay->isVisible());
        QVERIFY(forms().existing<Form9>());

        window.mnuSz_Click();
        window.Command8->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(characters_->log.filter("Stop").size(), 4);
    }

    void defaultsPutBackTheDesignChoices() {
        writeSettings(3, 7,
                      {{"名称1", "bao.tcf"},
                       {"名称2", "zippy.tcf"},
                       {"发音引擎", "Mary"},
                       {"打乱词序", "1"},
                       {"英文发音", "0"},
                       {"缓出英文", "True"},
                       {"缓出中文", "False"},
                       {"朗读遍数", "5"},
                       {"间隔秒数", "9"}});
        Form9& window = open();
        QCOMPARE(window.Combo3->currentText(), QStringLiteral("Mary"));
        QTest::mouseClick(window.Command2, Qt::LeftButton);
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("zippy.tcf"));
        QCOMPARE(window.Combo2->currentText(), QStringLiteral("bao.tcf"));
        QCOMPARE(window.Combo3->currentText(), QStringLiteral("默认声音"));
        QVERIFY(!window.Check1->isChecked() && window.Check2->isChecked());
        QVERIFY(window.Option2->isChecked() && !window.Option1->isChecked());
        QCOMPARE(window.Text2->text(), QStringLiteral("1"));
        QCOMPARE(window.Text3->text(), QStringLiteral("3"));
    }

    void aVoiceThatCannotBeMadeOnConfirmEndsTheModeAtTheMainWindow() {
        writeSettings(3, 7);
        Form6& main = forms().form<Form6>();
        switchFromMainWindow(Mode::Agent);
        QVERIFY(!main.isVisible());
        Form9& window = *forms().existing<Form9>();
        window.mnuSz_Click();
        window.Combo3->setCurrentIndex(window.Combo3->findText("RoboSoft One"));
        characters_->refusedVoices = {QStringLiteral("RoboSoft One")};
        window.Command3_Click();
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].text, kNoVoice);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(main.isVisible());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));
    }

    void aLoadThatFailsLeavesTheOpenerAsItWas_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged character") << "damaged" << kNoVoice;
        QTest::newRow("voice not installed") << "voice" << kNoVoice;
        QTest::newRow("one character file") << "alone"
                                            << "";
    }

    void aLoadThatFailsLeavesTheOpenerAsItWas() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"名称2", "bao.tcf"}, {"发音引擎", "Mike"}});
        if (fault == "damaged") characters_->damaged = {QStringLiteral("bao.tcf")};
        if (fault == "voice") characters_->refusedVoices = {QStringLiteral("Mike")};
        if (fault == "alone") QFile::remove(characterFolder() + "bao.tcf");

        // From the main window's toolbar: the main window stays.
        Form6& main = forms().form<Form6>();
        main.show();
        main.navigation->button("t6")->trigger();
        QVERIFY(main.isVisible());
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        if (message.isEmpty())
            QVERIFY(desktop_->prompt.messages[0].text.contains(
                QDir::toNativeSeparators(characterFolder())));
        else
            QCOMPARE(desktop_->prompt.messages[0].text, message);

        // From the first-learn window's study menu: it stays open.
        main.hide();
        Form8& study = forms().form<Form8>();
        study.show();
        study.navigation->mnueidolon->trigger();
        QCOMPARE(forms().existing<Form8>(), &study);
        QVERIFY(study.isVisible());
        QVERIFY(!main.isVisible());

        // From the library window: it stays.
        study.close();
        main.hide();
        Form2& library = *forms().existing<Form2>();
        library.show();
        library.navigation->button("t6")->trigger();
        QVERIFY(library.isVisible());
        QCOMPARE(desktop_->prompt.messages.size(), 3);
        QVERIFY(!forms().existing<Form9>());
    }

    void aRightClickOnACharacterPopsUpItsMenu() {
        writeSettings(3, 7);
        Form9& window = open();
        characters_->click("AgentIDA", 1);
        QVERIFY(!window.FRagent->isVisible());
        characters_->click("AgentIDB", 2);
        QTRY_VERIFY(window.FRagent->isVisible());
        QCOMPARE(window.FRagent->title(), QStringLiteral("初记精灵"));
        QStringList captions;
        for (QAction* item : window.FRagent->actions())
            captions.append(item->isSeparator() ? "-" : item->text());
        QCOMPARE(captions, (QStringList{"设置(&S)", "-", "播放(&P)", "暂停(&T)", "下一词(&N)",
                                        "上一词(&L)", "-", "返回(&B)", "退出(&E)", "关闭菜单"}));
        QCOMPARE(window.mnuPlay->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(window.mnuStop->shortcut(), QKeySequence("Ctrl+S"));
        const qsizetype from = characters_->log.size();
        QTest::mouseClick(window.FRagent, Qt::LeftButton, {},
                          window.FRagent->actionGeometry(window.mnuclose).center());
        QTRY_VERIFY(!window.FRagent->isVisible());
        QCOMPARE(characters_->log.size(), from);
        QVERIFY(window.Timer1->Enabled());
    }

    void theLinkOpensTheHomePage() {
        writeSettings(3, 7);
        Form9& window = open();
        QVERIFY(window.Label7->text().contains(QStringLiteral("下载更多动画精灵")));
        window.Label7_Click();
        QCOMPARE(desktop_->launcher.urls.size(), 1);
        QCOMPARE(desktop_->launcher.urls[0].scheme(), QStringLiteral("https"));
    }

    void closingTheMainWindowTakesTheCharactersAway() {
        writeSettings(3, 7);
        open();
        forms().existing<Form6>()->close();
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));
    }
};

QTEST_MAIN(AgentLearnTest)
#include "test_agent_learn.moc"
