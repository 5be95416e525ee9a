#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "agent_stage.h"
#include "platform/window_timer.h"
#include "shell/navigation.h"
#include "study/form8_first_learn.h"

using namespace tawen;

// The panel 精灵设置, section 初记精灵 and the ways the mode ends or fails
// to begin, driven as the learner does with a recording character engine.
class AgentSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AgentStage> stage_;

  private slots:
    void init() { stage_ = std::make_unique<AgentStage>(); }
    void cleanup() { stage_.reset(); }

    void eachListNeverOffersTheOtherCharactersFile() {
        stage_->addCharacter("mimi.tcf");
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        QCOMPARE(window.File1, (QStringList{"bao.tcf", "mimi.tcf", "zippy.tcf"}));
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("mimi.tcf"));
        window.Combo1->showPopup();
        QCOMPARE(stage_->itemsOf(*window.Combo1), (QStringList{"mimi.tcf", "zippy.tcf"}));
        window.Combo1->hidePopup();
        window.Combo1->setCurrentIndex(window.Combo1->findText("zippy.tcf"));

        window.Combo2->showPopup();
        QCOMPARE(stage_->itemsOf(*window.Combo2), (QStringList{"bao.tcf", "mimi.tcf"}));
        window.Combo2->hidePopup();
        window.Combo2->setCurrentIndex(window.Combo2->findText("mimi.tcf"));

        // bao, offered to neither while the other held it, comes back.
        window.Combo1->showPopup();
        QCOMPARE(stage_->itemsOf(*window.Combo1), (QStringList{"bao.tcf", "zippy.tcf"}));
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("zippy.tcf"));
        window.Combo1->hidePopup();
    }

    void theNineKeysAreWrittenAndReadBack() {
        stage_->addCharacter("mimi.tcf");
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
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
        const QList<platform::IniEntry> stored = ReadSettings(AgentStage::kSection);
        QCOMPARE(stored.size(), expected.size());
        for (qsizetype i = 0; i < stored.size(); ++i) {
            QCOMPARE(stored[i].key, expected[i].key);
            QCOMPARE(stored[i].value, expected[i].value);
        }
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));

        const qsizetype from = stage_->characters.log.size();
        Form9& again = forms().form<Form9>();
        QCOMPARE(again.Combo1->currentText(), QStringLiteral("bao.tcf"));
        QCOMPARE(again.Combo2->currentText(), QStringLiteral("mimi.tcf"));
        QCOMPARE(again.Combo3->currentText(), QStringLiteral("Mike in Hall"));
        QVERIFY(again.Check1->isChecked() && !again.Check2->isChecked());
        QVERIFY(again.Option1->isChecked() && !again.Option2->isChecked());
        QCOMPARE(again.Text2->text(), QStringLiteral("4"));
        QCOMPARE(again.Text3->text(), QStringLiteral("12"));
        QCOMPARE(stage_->calls(from).first(), QStringLiteral("AgentIDA Load bao.tcf"));
        QCOMPARE(stage_->calls(from).last(), QStringLiteral("AgentIDB TTSModeID Mike in Hall"));
    }

    void backShowsTheMainWindowAndTheCharactersGo() {
        stage_->writeSettings(3, 7);
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
        QVERIFY(!ReadSettings(AgentStage::kSection).isEmpty());
    }

    void exitSavesTheSectionFirst() {
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        window.Text3->setText("7");
        window.mnuExit_Click();
        QCOMPARE(ReadSetting(AgentStage::kSection, "名称1"), QStringLiteral("zippy.tcf"));
        QCOMPARE(ReadSetting(AgentStage::kSection, "间隔秒数"), QStringLiteral("7"));
    }

    void eachFailedWriteNamesItsKeyAndEmptyNamesAreSkipped() {
        stage_->writeSettings(3, 7, {{"名称1", "zippy.tcf"}, {"名称2", "bao.tcf"}});
        Form9& window = stage_->open();
        window.Combo1->setCurrentIndex(-1);
        window.Combo2->setCurrentIndex(-1);
        window.Text2->setText("6");
        window.mnuback_Click();
        QCOMPARE(ReadSetting(AgentStage::kSection, "名称1"), QStringLiteral("zippy.tcf"));
        QCOMPARE(ReadSetting(AgentStage::kSection, "名称2"), QStringLiteral("bao.tcf"));
        QCOMPARE(ReadSetting(AgentStage::kSection, "朗读遍数"), QStringLiteral("6"));
        QVERIFY(stage_->desktop.prompt.messages.isEmpty());

        Form9& again = forms().form<Form9>();
        CurrentUser = QStringLiteral("../missing/folder/tester");
        again.mnuback_Click();
        QCOMPARE(stage_->desktop.prompt.texts(),
                 (QStringList{"写名称1出错！", "写名称2出错！", "写发音引擎出错！",
                              "写打乱词序出错！", "写英文发音出错！", "写缓出英文出错！",
                              "写缓出中文出错！", "写朗读遍数出错！", "写间隔秒数出错！"}));
    }

    void settingsStopsThemAndConfirmReloadsWithoutAGreeting() {
        stage_->addCharacter("mimi.tcf");
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        window.Timer2_Timer();
        window.Timer2_Timer();
        window.Combo1->setCurrentIndex(window.Combo1->findText("bao.tcf"));

        qsizetype from = stage_->characters.log.size();
        window.mnuSz_Click();
        QVERIFY(window.isVisible());
        QVERIFY(!window.Timer1->Enabled() && !window.Timer2->Enabled());
        QCOMPARE(stage_->calls(from),
                 (QStringList{"AgentIDA Play writing", "AgentIDB Play process"}));
        // Nothing saved yet: the lists offer the folder again, with its defaults.
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("mimi.tcf"));
        QCOMPARE(window.Combo2->currentText(), QStringLiteral("bao.tcf"));
        QCOMPARE(stage_->itemsOf(*window.Combo1), window.File1);

        window.Combo2->setCurrentIndex(window.Combo2->findText("zippy.tcf"));
        window.Combo3->setCurrentIndex(window.Combo3->findText("RoboSoft Two"));
        window.Option1->click();
        from = stage_->characters.log.size();
        QTest::mouseClick(window.Command3, Qt::LeftButton);
        QCOMPARE(stage_->calls(from),
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
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        window.mnuStop_Click();
        window.mnuSz_Click();
        const qsizetype from = stage_->characters.log.size();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(stage_->calls(from), (QStringList{"AgentIDA Stop", "AgentIDB Stop"}));
        QVERIFY(window.Timer1->Enabled() && window.Timer2->Enabled());
        QVERIFY(window.mnuStop->isVisible() && !window.mnuPlay->isVisible());
        QVERIFY(forms().existing<Form9>());

        window.mnuSz_Click();
        window.Command8->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(stage_->characters.log.filter("Stop").size(), 4);
    }

    void defaultsPutBackTheDesignChoices() {
        stage_->writeSettings(3, 7,
                              {{"名称1", "bao.tcf"},
                               {"名称2", "zippy.tcf"},
                               {"发音引擎", "Mary"},
                               {"打乱词序", "1"},
                               {"英文发音", "0"},
                               {"缓出英文", "True"},
                               {"缓出中文", "False"},
                               {"朗读遍数", "5"},
                               {"间隔秒数", "9"}});
        Form9& window = stage_->open();
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
        stage_->writeSettings(3, 7);
        Form6& main = forms().form<Form6>();
        switchFromMainWindow(Mode::Agent);
        QVERIFY(!main.isVisible());
        Form9& window = *forms().existing<Form9>();
        window.mnuSz_Click();
        window.Combo3->setCurrentIndex(window.Combo3->findText("RoboSoft One"));
        stage_->characters.refusedVoices = {QStringLiteral("RoboSoft One")};
        window.Command3_Click();
        QCOMPARE(stage_->desktop.prompt.messages.size(), 1);
        QCOMPARE(stage_->desktop.prompt.messages[0].text, AgentStage::kNoVoice);
        QCOMPARE(stage_->desktop.prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(main.isVisible());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));
    }

    void aLoadThatFailsLeavesTheOpenerAsItWas_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged character") << "damaged" << AgentStage::kNoVoice;
        QTest::newRow("voice not installed") << "voice" << AgentStage::kNoVoice;
        QTest::newRow("one character file") << "alone"
                                            << "";
    }

    void aLoadThatFailsLeavesTheOpenerAsItWas() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        stage_->writeSettings(3, 7,
                              {{"名称1", "zippy.tcf"}, {"名称2", "bao.tcf"}, {"发音引擎", "Mike"}});
        if (fault == "damaged") stage_->characters.damaged = {QStringLiteral("bao.tcf")};
        if (fault == "voice") stage_->characters.refusedVoices = {QStringLiteral("Mike")};
        if (fault == "alone") QFile::remove(characterFolder() + "bao.tcf");

        // From the main window's toolbar: the main window stays.
        Form6& main = forms().form<Form6>();
        main.show();
        main.navigation->button("t6")->trigger();
        QVERIFY(main.isVisible());
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));
        QCOMPARE(stage_->desktop.prompt.messages.size(), 1);
        QCOMPARE(stage_->desktop.prompt.messages[0].title, QStringLiteral("错误提示"));
        if (message.isEmpty())
            QVERIFY(stage_->desktop.prompt.messages[0].text.contains(
                QDir::toNativeSeparators(characterFolder())));
        else
            QCOMPARE(stage_->desktop.prompt.messages[0].text, message);

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
        QCOMPARE(stage_->desktop.prompt.messages.size(), 3);
        QVERIFY(!forms().existing<Form9>());
    }

    void theLinkOpensTheHomePage() {
        stage_->writeSettings(3, 7);
        Form9& window = stage_->open();
        QVERIFY(window.Label7->text().contains(QStringLiteral("下载更多动画精灵")));
        window.Label7_Click();
        QCOMPARE(stage_->desktop.launcher.urls.size(), 1);
        QCOMPARE(stage_->desktop.launcher.urls[0].scheme(), QStringLiteral("https"));
    }

    void closingTheMainWindowTakesTheCharactersAway() {
        stage_->writeSettings(3, 7);
        stage_->open();
        forms().existing<Form6>()->close();
        QVERIFY(!forms().existing<Form9>());
        QVERIFY(!characters().Characters("AgentIDA") && !characters().Characters("AgentIDB"));
    }
};

QTEST_MAIN(AgentSettingsTest)
#include "test_agent_settings.moc"
