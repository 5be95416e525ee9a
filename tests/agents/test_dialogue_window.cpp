#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "agents/dialogue_script.h"
#include "agents/form11_dialogue.h"
#include "fakes/desktop.h"
#include "fakes/recording_characters.h"
#include "fakes/scripted_random.h"
#include "platform/text_codec.h"
#include "platform/window_timer.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "study/form3_consolidation.h"

using namespace tawen;

namespace {

const QString kA = QStringLiteral("AgentIDA");
const QString kB = QStringLiteral("AgentIDB");

// Lines joined as a script file: GB18030, each line ended by CR LF.
QByteArray script(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return platform::encodeText(text);
}

const QStringList kThreePairs = {"Hello!",   "你好！",        "How are you?",
                                 "你好吗？", "Fine, thanks.", "很好，谢谢。"};

QStringList column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts.append(list.topLevelItem(row)->text(column));
    return texts;
}

int currentRow(const QTreeWidget& list) { return list.indexOfTopLevelItem(list.currentItem()); }

}  // namespace

class DialogueWindowTest : public QObject {
    Q_OBJECT

  private:
    Desktop* desktop_ = nullptr;
    RecordingCharacters* characters_ = nullptr;

    void writeDefault(const QByteArray& bytes) {
        desktop_->root.write(QStringLiteral("Dialogue/example.txt"), bytes);
    }

    // Form11 loaded over a default script of `lines`.
    std::unique_ptr<Form11> open(const QStringList& lines = kThreePairs) {
        writeDefault(script(lines));
        auto window = std::make_unique<Form11>();
        if (!window->load()) qFatal("the dialogue did not load");
        return window;
    }

  private slots:
    void init() {
        desktop_ = new Desktop;
        characters_ = &installRecordingCharacters();
        QDir().mkpath(characterFolder());
        QDir().mkpath(desktop_->root.path(QStringLiteral("Dialogue")));
        for (const char* file : {"zippy.tcf", "bao.tcf"})
            desktop_->root.write(QStringLiteral("system/msagent/chars/") + QLatin1String(file),
                                 "x");
    }

    void cleanup() {
        delete desktop_;
        installRecordingCharacters();
    }

    void loadListsTheDefaultScriptAndLoadsTheFirstTwoCharactersHidden() {
        auto window = open();
        QCOMPARE(window->windowTitle(), QStringLiteral("口语对话"));
        QCOMPARE(window->ListView1->headerItem()->text(0), QStringLiteral("英文"));
        QCOMPARE(window->ListView1->headerItem()->text(1), QStringLiteral("中文"));
        QCOMPARE(column(*window->ListView1, 0),
                 (QStringList{"Hello!", "How are you?", "Fine, thanks."}));
        QCOMPARE(column(*window->ListView1, 1),
                 (QStringList{"你好！", "你好吗？", "很好，谢谢。"}));
        QCOMPARE(characters_->callsFrom(0),
                 (QStringList{"AgentIDA Load bao.tcf", "AgentIDA AutoPopupMenu False",
                              "AgentIDA LanguageID 1033", "AgentIDB Load zippy.tcf",
                              "AgentIDB AutoPopupMenu False", "AgentIDB LanguageID 1033"}));
        QCOMPARE(window->Command2->text(), QStringLiteral("开始"));
        QVERIFY(!window->Timer1->Enabled() && !window->Timer2->Enabled());
        QCOMPARE(window->Timer1->Interval(), 3380);
        QCOMPARE(window->Timer2->Interval(), 3380);
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void aOnePairScriptRepeatsItsLineWithAAndBInTurn() {
        desktop_->root.write(QStringLiteral("Dialogue/example.txt"), {});
        auto window = open({"Good morning!", "早上好！"});
        installRandom(std::make_unique<ScriptedRandom>(QList<double>{0.25, 0.75}));
        const qsizetype from = characters_->log.size();
        window->Command2_Click();
        QCOMPARE(
            characters_->callsFrom(from),
            (QStringList{"AgentIDA MoveTo 180 400", "AgentIDA Show", "AgentIDB MoveTo 500 400",
                         "AgentIDB Show", "AgentIDA Speak Good morning!",
                         QStringLiteral("AgentIDB Wait AgentIDA#%1")
                             .arg(RecordingCharacters::numberIn(characters_->log[from + 4]))}));
        QCOMPARE(window->Command2->text(), QStringLiteral("暂停"));
        QVERIFY(window->Timer2->Enabled() && !window->Timer1->Enabled());

        qsizetype turn = characters_->log.size();
        window->Timer2_Timer();  // B's turn
        QCOMPARE(characters_->callsFrom(turn),
                 (QStringList{"AgentIDB Speak Good morning!", "AgentIDB Play explain",
                              QStringLiteral("AgentIDA Wait AgentIDB#%1")
                                  .arg(RecordingCharacters::numberIn(characters_->log[turn]))}));
        QVERIFY(window->Timer1->Enabled() && !window->Timer2->Enabled());

        turn = characters_->log.size();
        window->Timer1_Timer();  // A's turn
        QCOMPARE(characters_->callsFrom(turn),
                 (QStringList{"AgentIDA Speak Good morning!", "AgentIDA Play Think",
                              QStringLiteral("AgentIDB Wait AgentIDA#%1")
                                  .arg(RecordingCharacters::numberIn(characters_->log[turn]))}));
        QVERIFY(window->Timer2->Enabled() && !window->Timer1->Enabled());
        QCOMPARE(window->ListView1->topLevelItemCount(), 1);
    }

    void theTurnsWalkDownTheListAndWrapFromTheLastRowToTheFirst() {
        auto window = open();
        window->Command2_Click();
        qsizetype from = characters_->log.size();
        window->Timer2_Timer();
        QCOMPARE(currentRow(*window->ListView1), 1);
        QCOMPARE(characters_->callsFrom(from).first(),
                 QStringLiteral("AgentIDB Speak How are you?"));
        from = characters_->log.size();
        window->Timer1_Timer();
        QCOMPARE(currentRow(*window->ListView1), 2);
        QCOMPARE(characters_->callsFrom(from).first(),
                 QStringLiteral("AgentIDA Speak Fine, thanks."));
        from = characters_->log.size();
        window->Timer2_Timer();
        QCOMPARE(currentRow(*window->ListView1), 0);
        QCOMPARE(characters_->callsFrom(from).first(), QStringLiteral("AgentIDB Speak Hello!"));
    }

    void withTheLastRowSelectedTheNextTurnStartsAtTheFirst() {
        auto window = open();
        window->ListView1->setCurrentItem(window->ListView1->topLevelItem(2));
        window->Command2_Click();
        const qsizetype from = characters_->log.size();
        window->Timer2_Timer();
        QCOMPARE(currentRow(*window->ListView1), 0);
        QCOMPARE(characters_->callsFrom(from).first(), QStringLiteral("AgentIDB Speak Hello!"));
    }

    void pauseHasASayTheSelectedLineOnceMoreAndThenStops() {
        auto window = open();
        window->Command2_Click();
        window->Timer2_Timer();  // B says row 2
        const qsizetype from = characters_->log.size();
        window->Command2_Click();  // 暂停
        const QStringList calls = characters_->callsFrom(from);
        QCOMPARE(calls.mid(4, 1), QStringList{"AgentIDA Speak How are you?"});
        QVERIFY(calls.at(5).startsWith(QStringLiteral("AgentIDB Wait AgentIDA#")));
        QCOMPARE(window->Command2->text(), QStringLiteral("开始"));
        QVERIFY(!window->Timer1->Enabled() && !window->Timer2->Enabled());
    }

    void startWithNoRowSelectedHidesBothCharacters() {
        auto window = open();
        window->ListView1->setCurrentItem(nullptr);
        const qsizetype from = characters_->log.size();
        window->Command2_Click();
        QCOMPARE(characters_->callsFrom(from),
                 (QStringList{"AgentIDA MoveTo 180 400", "AgentIDA Show", "AgentIDB MoveTo 500 400",
                              "AgentIDB Show", "AgentIDA Hide", "AgentIDB Hide"}));
        QCOMPARE(window->Command2->text(), QStringLiteral("开始"));
        QVERIFY(!window->Timer2->Enabled());
    }

    void loadingANewScriptReplacesTheListAndCancellingReadsTheDefaultAgain() {
        auto window = open();
        desktop_->root.write(QStringLiteral("Dialogue/shop.txt"),
                             script({"How much is it?", "多少钱？"}));
        desktop_->prompt.fileAnswers = {desktop_->root.path(QStringLiteral("Dialogue/shop.txt"))};
        window->Command1_Click();
        QCOMPARE(column(*window->ListView1, 0), QStringList{"How much is it?"});
        window->Command1_Click();  // cancelled
        QCOMPARE(column(*window->ListView1, 0),
                 (QStringList{"Hello!", "How are you?", "Fine, thanks."}));
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void aDamagedNewScriptIsReportedAndTheRowsReadStay_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("english");
        QTest::addColumn<QStringList>("chinese");
        QTest::newRow("odd number of lines")
            << script({"Where is the station?", "车站在哪里？", "Go straight on."})
            << QStringList{"Where is the station?", "Go straight on."}
            << QStringList{"车站在哪里？", ""};
        QTest::newRow("not GB18030 text") << script({"Thank you.", "谢谢。"}) + QByteArray(
                                                                                    "\x81\x20"
                                                                                    "broken\r\n")
                                          << QStringList{"Thank you."} << QStringList{"谢谢。"};
        QTest::newRow("no such file") << QByteArray() << QStringList{} << QStringList{};
    }

    void aDamagedNewScriptIsReportedAndTheRowsReadStay() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, english);
        QFETCH(QStringList, chinese);
        auto window = open();
        if (!bytes.isEmpty()) desktop_->root.write(QStringLiteral("Dialogue/bad.txt"), bytes);
        desktop_->prompt.fileAnswers = {desktop_->root.path(QStringLiteral("Dialogue/bad.txt"))};
        window->Command1_Click();
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].text,
                 QStringLiteral("导入的文件不能正确读入，可能文件被破坏或格式不合."));
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QCOMPARE(column(*window->ListView1, 0), english);
        QCOMPARE(column(*window->ListView1, 1), chinese);
    }

    void aDefaultScriptWithAnOddLineCountLoadsQuietly() {
        auto window = open({"Hi!", "嗨！", "Bye!"});
        QCOMPARE(column(*window->ListView1, 0), (QStringList{"Hi!", "Bye!"}));
        QCOMPARE(column(*window->ListView1, 1), (QStringList{"嗨！", ""}));
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void fewerThanTwoCharacterFilesIsReportedAndTheWindowStaysClosed() {
        QFile::remove(characterFolder() + QStringLiteral("zippy.tcf"));
        writeDefault(script(kThreePairs));
        Form11 window;
        QVERIFY(!window.load());
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(desktop_->prompt.messages[0].text.contains(
            QDir::toNativeSeparators(characterFolder())));
    }

    void aDamagedCharacterFileIsReportedAndTheWindowStaysClosed() {
        characters_->damaged = {QStringLiteral("zippy.tcf")};
        writeDefault(script(kThreePairs));
        Form11 window;
        QVERIFY(!window.load());
        QCOMPARE(desktop_->prompt.texts(),
                 QStringList{"动画精灵文件“zippy.tcf”不能使用：已损坏。"});
    }

    void aRightClickOnACharacterOffersBackWhichClosesTheWindow() {
        auto window = open();
        window->show();
        characters_->click(kA, 1);
        QVERIFY(!window->mnufile->isVisible());
        characters_->click(kB, 2);
        QTRY_VERIFY(window->mnufile->isVisible());
        QCOMPARE(window->mnufile->actions(), QList<QAction*>{window->mnuback});
        QCOMPARE(window->mnuback->text(), QStringLiteral("返回"));
        window->mnufile->close();
        window->Command2_Click();
        window->mnuback->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->Timer1->Enabled() && !window->Timer2->Enabled());
        QVERIFY(!characters().Characters(kA) && !characters().Characters(kB));
    }

    void theLinkOpensTheHomePage() {
        auto window = open();
        QCOMPARE(window->Label7->text().contains(QStringLiteral("下载更多口语对话")), true);
        window->Label7_Click();
        QCOMPARE(desktop_->launcher.urls.size(), 1);
        QCOMPARE(desktop_->launcher.urls[0].scheme(), QStringLiteral("https"));
    }

    void theToolMenusOfTheMainWindowAndTheConsolidationTestOpenIt() {
        writeDefault(script(kThreePairs));
        Form6& main = forms().form<Form6>();
        for (QAction* item : {main.mnudialogue, forms().form<Form3>().mnudialogue}) {
            QString opened;
            QTimer::singleShot(0, [&opened] {
                auto* dialogue = qobject_cast<Form11*>(QApplication::activeModalWidget());
                if (!dialogue) return;
                opened = dialogue->windowTitle() +
                         QString::number(dialogue->ListView1->topLevelItemCount());
                dialogue->mnuback->trigger();
            });
            item->trigger();
            QCOMPARE(opened, QStringLiteral("口语对话3"));
        }
        forms().unload<Form3>();
    }

    void theGestureTableRoundsHalvesToEven() {
        QCOMPARE(turnAnimation(0.0), QStringLiteral("wave"));
        QCOMPARE(turnAnimation(0.04), QStringLiteral("wave"));
        QCOMPARE(turnAnimation(0.125), QStringLiteral("acknowledge"));
        QCOMPARE(turnAnimation(0.25), QStringLiteral("explain"));  // 2.5 goes to 2
        QCOMPARE(turnAnimation(0.375), QStringLiteral("dontrecognize"));
        QCOMPARE(turnAnimation(0.5), QStringLiteral("gestureup"));
        QCOMPARE(turnAnimation(0.75), QStringLiteral("Think"));  // 7.5 goes to 8
        QCOMPARE(turnAnimation(0.9375), QStringLiteral("readcontinued"));
        QCOMPARE(turnAnimation(0.96), QStringLiteral("greet"));
    }
};

QTEST_MAIN(DialogueWindowTest)
#include "test_dialogue_window.moc"
