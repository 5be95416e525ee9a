#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "agent_stage.h"
#include "fakes/fixed_random.h"
#include "platform/window_timer.h"
#include "study/up_down.h"

using namespace tawen;

namespace {

QString shown(const QString& text) { return "\\Map=\"\"=\"" + text + "\"\\"; }

// The calls of the two acting together, A first.
QStringList together(const QString& a, const QString& b) {
    return {"AgentIDA " + a, "AgentIDB Wait [AgentIDA " + a + "]", "AgentIDB " + b,
            "AgentIDA Wait [AgentIDB " + b + "]"};
}

qsizetype indexOf(const QStringList& log, const QString& start) {
    for (qsizetype i = 0; i < log.size(); ++i)
        if (log[i].startsWith(start)) return i;
    return -1;
}

}  // namespace

// The two characters at play, driven as the learner and the timers do with a
// recording character engine: what each is asked to do, in order.
class AgentLearnTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AgentStage> stage_;

  private slots:
    void init() { stage_ = std::make_unique<AgentStage>(); }
    void cleanup() { stage_.reset(); }

    void aNewLearnerGetsTheDefaultsAndBothCharactersComeOut() {
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        QCOMPARE(window.windowTitle(), QStringLiteral("精灵设置"));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("zippy.tcf"));
        QCOMPARE(window.Combo2->currentText(), QStringLiteral("bao.tcf"));
        QCOMPARE(
            stage_->itemsOf(*window.Combo3),
            (QStringList{"默认声音", "Mary", "Mary(for Telephone)", "Mike", "Mike(for Telephone)",
                         "Mike in Hall", "Mike in Space", "Mike in Stadium", "RoboSoft One",
                         "RoboSoft Two", "RoboSoft Three"}));
        QCOMPARE(window.Combo3->currentText(), QStringLiteral("默认声音"));
        QVERIFY(!window.Check1->isChecked() && window.Check2->isChecked());
        QVERIFY(window.Option2->isChecked() && !window.Option1->isChecked());
        QCOMPARE(window.Text2->text(), QStringLiteral("1"));
        QCOMPARE(window.Text3->text(), QStringLiteral("3"));
        QCOMPARE(stage_->calls(0).mid(0, 9),
                 (QStringList{"AgentIDA Load zippy.tcf", "AgentIDA BalloonFontName 宋体",
                              "AgentIDA AutoPopupMenu False", "AgentIDB Load bao.tcf",
                              "AgentIDB AutoPopupMenu False", "AgentIDA MoveTo 180 400",
                              "AgentIDA Show", "AgentIDB MoveTo 500 400", "AgentIDB Show"}));
        QCOMPARE(stage_->calls(0).mid(stage_->calls(0).size() - 4),
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
        QVERIFY(stage_->desktop.prompt.messages.isEmpty());
        QVERIFY(ReadSettings(AgentStage::kSection).isEmpty());
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
        stage_->writeSettings(3, 7,
                              {{"名称1", "zippy.tcf"},
                               {"名称2", "bao.tcf"},
                               {"发音引擎", "Mike"},
                               {"缓出英文", chineseFirst ? "True" : "False"},
                               {"缓出中文", chineseFirst ? "False" : "True"}});
        stage_->open();
        const QStringList made = stage_->calls(0);
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

    void theTicksAdvanceFromTheRangeStartAndExchangeTheWord() {
        stage_->writeSettings(7, 3, {{"名称1", "zippy.tcf"}, {"朗读遍数", "2"}, {"间隔秒数", "4"}});
        Form9& window = stage_->open();
        window.Timer2_Timer();
        QCOMPARE(window.currentRow(), WordRow(3));
        QCOMPARE(window.Text4->text(), QStringLiteral("I"));
        QCOMPARE(window.Timer2->Interval(), 8000);
        window.Timer2_Timer();
        QCOMPARE(window.Text4->text(), stage_->words().TextMatrix(4, 1));
        QCOMPARE(window.Text5->text(), stage_->words().TextMatrix(4, 2));

        const qsizetype from = stage_->characters.log.size();
        window.Timer1_Timer();
        QCOMPARE(window.Timer1->Interval(), 4000);
        QCOMPARE(stage_->calls(from),
                 stage_->exchange(stage_->words().TextMatrix(4, 1), "LookLeft",
                                  stage_->words().TextMatrix(4, 2), "Lookright"));

        // Past the end, back to the start.
        for (int tick = 0; tick < 4; ++tick) window.Timer2_Timer();
        QCOMPARE(window.currentRow(), WordRow(3));
    }

    void withChineseFirstAAsksInChinese() {
        stage_->writeSettings(
            3, 7, {{"名称1", "zippy.tcf"}, {"缓出英文", "True"}, {"缓出中文", "False"}});
        Form9& window = stage_->open();
        window.Timer2_Timer();
        const qsizetype from = stage_->characters.log.size();
        window.Timer1_Timer();
        QCOMPARE(stage_->calls(from), stage_->exchange("pron. 我", "LookLeft", "I", "Lookright"));
    }

    void shuffledWordsJumpAndNoRangeMeansTheWholeTable() {
        stage_->writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"打乱词序", "1"}});
        WriteSetting("词库", "词始", "");
        platform::installRandom(std::make_unique<FixedRandom>(0.95));  // a stride of 4
        Form9& window = stage_->open();
        QCOMPARE(window.currentRow(), WordRow(0));
        QCOMPARE(window.Text4->text(), stage_->words().TextMatrix(1, 1));
        window.Timer2_Timer();
        QCOMPARE(window.currentRow(), WordRow(4));
        window.mnuStop_Click();
        window.mnuUP_Click();
        QCOMPARE(window.currentRow(), WordRow(stage_->words().Rows() - 1));
    }

    void draggingBLeftOfASwapsTheLooksExceptInNext() {
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        window.characterB()->MoveTo(60, 420);  // the learner's drag
        window.mnuStop_Click();

        qsizetype from = stage_->characters.log.size();
        window.mnuUP_Click();
        QCOMPARE(window.currentRow(), WordRow(7));
        QCOMPARE(stage_->calls(from),
                 stage_->exchange(stage_->words().TextMatrix(7, 1), "Lookright",
                                  stage_->words().TextMatrix(7, 2), "LookLeft"));

        from = stage_->characters.log.size();
        window.mnuNext_Click();
        QCOMPARE(window.currentRow(), WordRow(3));
        QCOMPARE(stage_->calls(from), stage_->exchange("I", "LookLeft", "pron. 我", "Lookright"));

        from = stage_->characters.log.size();
        window.Timer1_Timer();
        QCOMPARE(stage_->calls(from), stage_->exchange("I", "Lookright", "pron. 我", "LookLeft"));
    }

    void withEnglishClearedNoLanguageIsSet() {
        stage_->writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"英文发音", "0"}});
        Form9& window = stage_->open();
        QVERIFY(!window.Check2->isChecked());
        window.mnuSz_Click();
        window.Command3_Click();
        QVERIFY(stage_->characters.log.filter("LanguageID").isEmpty());
        QVERIFY(stage_->characters.log.contains("AgentIDA TTSModeID "));
    }

    void pauseAndPlaySwitchTheTimersAndTheStepItems() {
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        const qsizetype from = stage_->characters.log.size();
        window.mnuStop_Click();
        QVERIFY(!window.Timer1->Enabled() && !window.Timer2->Enabled());
        QVERIFY(window.mnuPlay->isVisible() && !window.mnuStop->isVisible());
        QVERIFY(window.mnuNext->isEnabled() && window.mnuUP->isEnabled());
        QCOMPARE(stage_->calls(from),
                 (QStringList{"AgentIDA Play announce", "AgentIDB Play idle2_2"}));

        window.mnuPlay_Click();
        for (platform::WindowTimer* timer : {window.Timer1, window.Timer2}) {
            QVERIFY(timer->Enabled());
            QCOMPARE(timer->Interval(), 1000);
        }
        QVERIFY(!window.mnuPlay->isVisible() && window.mnuStop->isVisible());
        QVERIFY(!window.mnuNext->isEnabled() && !window.mnuUP->isEnabled());
    }

    void stepperTextsThatAreNotNumbersFallBackAndLongPeriodsStay() {
        stage_->writeSettings(3, 7,
                              {{"名称1", "zippy.tcf"}, {"朗读遍数", "x"}, {"间隔秒数", "三"}});
        Form9& window = stage_->open();
        window.Timer2_Timer();
        window.Timer1_Timer();
        QCOMPARE(window.Timer2->Interval(), 3000);
        QCOMPARE(window.Timer1->Interval(), 3000);
        QCOMPARE(window.Text2->text(), QStringLiteral("x"));
        // Nor does a zero stop them: a period of 0 would never tick.
        window.Text3->setText("0");
        window.Timer1_Timer();
        QCOMPARE(window.Timer1->Interval(), 3000);

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

    void aRightClickOnACharacterPopsUpItsMenu() {
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        stage_->characters.click("AgentIDA", 1);
        QVERIFY(!window.FRagent->isVisible());
        stage_->characters.click("AgentIDB", 2);
        QTRY_VERIFY(window.FRagent->isVisible());
        QCOMPARE(window.FRagent->title(), QStringLiteral("初记精灵"));
        QStringList captions;
        for (QAction* item : window.FRagent->actions())
            captions.append(item->isSeparator() ? "-" : item->text());
        QCOMPARE(captions, (QStringList{"设置(&S)", "-", "播放(&P)", "暂停(&T)", "下一词(&N)",
                                        "上一词(&L)", "-", "返回(&B)", "退出(&E)", "关闭菜单"}));
        QCOMPARE(window.mnuPlay->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(window.mnuStop->shortcut(), QKeySequence("Ctrl+S"));
        const qsizetype from = stage_->characters.log.size();
        QTest::mouseClick(window.FRagent, Qt::LeftButton, {},
                          window.FRagent->actionGeometry(window.mnuclose).center());
        QTRY_VERIFY(!window.FRagent->isVisible());
        QCOMPARE(stage_->characters.log.size(), from);
        QVERIFY(window.Timer1->Enabled());
    }
};

QTEST_MAIN(AgentLearnTest)
#include "test_agent_learn.moc"
