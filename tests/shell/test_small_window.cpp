#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "fakes/desktop.h"
#include "fakes/file_saves.h"
#include "fakes/fixed_random.h"
#include "library/form2_library.h"
#include "library/library_catalog.h"
#include "platform/random_source.h"
#include "platform/text_codec.h"
#include "platform/twips.h"
#include "platform/window_timer.h"
#include "shell/form5_small.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"

using namespace tawen;
using platform::pixelsToTwips;
using platform::twipsToPixels;

namespace {

struct Setting {
    const char* key;
    const char* value;
};

const QString kSmall = QStringLiteral("小窗口");
const QString kErrorTitle = QStringLiteral("错误提示");
const QString kCannotSpeak = QStringLiteral("本程序只能阅读英文文档");

// Rows of course CET4 (大学四级英语).
constexpr int kAbandon = 1;
constexpr int kAboard = 4;  // its meaning runs far wider than the narrowest window
constexpr int kStraightforward = 1729;

int twipsWidth(const QWidget* widget) { return pixelsToTwips(widget->width()); }

}  // namespace

// Drives the small window as the learner and its timers do: beats and reveals
// run directly, clicks and drags go through the mouse, and what shows, what
// is spoken and what lands in the user's file are checked.
class SmallWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;

    // A new user's file studying rows first to last of CET4, with the small
    // window's options the test needs on top of the defaults.
    void writeSettings(int first, int last, std::initializer_list<Setting> options = {}) {
        writeDefaultSettings();
        const CatalogEntry cet4 = *LibraryCatalog::findByName(u"大学四级英语");
        WriteSetting("词库", "名称", cet4.displayName);
        WriteSetting("词库", "序号", QString::number(cet4.position));
        WriteSetting("词库", "全部", "False");
        WriteSetting("词库", "词始", QString::number(first));
        WriteSetting("词库", "词终", QString::number(last));
        for (const Setting& option : options)
            WriteSetting(kSmall, QString::fromUtf8(option.key), QString::fromUtf8(option.value));
    }

    static Form5& open() {
        forms().form<Form2>();
        return forms().form<Form5>();
    }

    static QString word(int row) { return forms().form<Form2>().words->TextMatrix(row, 1); }
    static QString meaning(int row) { return forms().form<Form2>().words->TextMatrix(row, 2); }

    QStringList spoken() const { return desktop_->speech.texts(); }

    // The small window's section as it lies on disk, "key=value" in file order.
    QStringList smallSection() const {
        const QStringList lines = platform::decodeText(desktop_->root.read("User/tester.ini"))
                                      .split(QStringLiteral("\r\n"));
        const qsizetype start = lines.indexOf(QStringLiteral("[小窗口]"));
        QStringList section;
        for (qsizetype i = start + 1; start >= 0 && i < lines.size(); ++i) {
            if (lines[i].startsWith(u'[') || lines[i].isEmpty()) break;
            section << lines[i];
        }
        return section;
    }

    // Nothing of either text is cut off by the window's edges, and the strip
    // sits inside its right edge.
    static void verifyEverythingFits(const Form5& window) {
        const QRect face = window.rect();
        for (const QLabel* label : {window.Label1, window.Label2})
            QVERIFY2(face.contains(label->geometry()),
                     qPrintable(label->text() + QStringLiteral(" is cut off")));
        QVERIFY(face.contains(window.Picture1->geometry()));
        QCOMPARE(window.Picture1->x() + window.Picture1->width(),
                 twipsToPixels(twipsWidth(&window) - 60));
    }

    // The first text at its place; the second beside it or under it.
    static void verifyRows(const Form5& window, bool oneRow) {
        const QRect first = window.Label1->geometry();
        const QRect second = window.Label2->geometry();
        QCOMPARE(first.topLeft(), QPoint(twipsToPixels(60), twipsToPixels(60)));
        if (oneRow) {
            QCOMPARE(second.top(), first.top());
            QVERIFY(second.left() > first.right());
        } else {
            QCOMPARE(second.left(), first.left());
            QVERIFY(second.top() > first.bottom());
        }
        verifyEverythingFits(window);
    }

    // The pointer arrives from the system, so it reaches whatever lies under it.
    static void pointAt(QWidget* window, QPoint at) {
        QTest::mouseMove(window->windowHandle(), at);
    }

    // A point of the window's face above both texts and the strip.
    static QPoint bareFace(const Form5& window) { return {window.width() - 3, 1}; }

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

    void aNewUserStartsAtTheDefaultPlaceInTwoRows() {
        writeSettings(kAbandon, 50);
        Form5& window = open();
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.pos(), QPoint(twipsToPixels(3800), twipsToPixels(3800)));
        QCOMPARE(window.width(), twipsToPixels(2800));
        QVERIFY(window.mnutwoRow->isChecked() && window.mnuchineseL->isChecked());
        QVERIFY(window.mnuSound->isChecked() && !window.mnuDisorder->isChecked());
        QVERIFY(window.mnuReadS[0]->isChecked() && window.mnutimeS[2]->isChecked());
        // The first word shows whole at once, one row under the other.
        QCOMPARE(window.Label1->text(), word(kAbandon));
        QCOMPARE(window.Label2->text(), meaning(kAbandon));
        verifyRows(window, false);
        QCOMPARE(window.Label1->palette().color(QPalette::WindowText), QColor(0, 128, 128));

        QVERIFY(window.playing() && window.Timer1->Interval() == 1);
        window.Timer1_Timer();
        QCOMPARE(window.Timer1->Interval(), 3000);
        QCOMPARE(window.Timer2->Interval(), 2040);
        QCOMPARE(spoken(), QStringList({word(kAbandon)}));
        QCOMPARE(desktop_->speech.requests[0].flags, 144);

        // Unmoved, the window writes back the very position it read.
        window.close();
        QCOMPARE(smallSection(),
                 QStringList({"英文发音=True", "打乱词序=False", "单行显示=False", "双行显示=True",
                              "同时出现=False", "缓出中文=True", "缓出英文=False", "读词遍数=1",
                              "间隔时间=3", "位置X=3800", "位置Y=3800"}));
        QVERIFY(desktop_->prompt.messages.isEmpty());
    }

    void eachWordIsReadOnEveryOneOfItsBeatsThenTheNextFollows() {
        writeSettings(10, 12, {{"读词遍数", "3"}, {"间隔时间", "2"}});
        Form5& window = open();
        QStringList shown;
        for (int beat = 0; beat < 10; ++beat) {
            window.Timer1_Timer();
            shown << window.Label1->text();
        }
        QStringList expected;
        for (const int row : {10, 10, 10, 11, 11, 11, 12, 12, 12, 10}) expected << word(row);
        QCOMPARE(shown, expected);
        QCOMPARE(spoken(), expected);
        for (const RecordingSpeech::Request& request : desktop_->speech.requests)
            QCOMPARE(request.flags, 144);
        QCOMPARE(window.Timer1->Interval(), 2000);
    }

    void shuffleStepsByTheRandomStrideAndWraps() {
        // r = 0.5 gives a stride of 2.
        platform::installRandom(std::make_unique<FixedRandom>(0.5));
        writeSettings(10, 15, {{"打乱词序", "True"}});
        Form5& window = open();
        QStringList rows;
        for (int beat = 0; beat < 4; ++beat) {
            window.Timer1_Timer();
            rows << QString::number(window.currentRow());
        }
        // Two on from the row before the first, then past the last to the first.
        QCOMPARE(rows, QStringList({"11", "13", "15", "10"}));
        window.mnustop_Click();
        window.mnuup_Click();
        QCOMPARE(window.currentRow(), WordRow(15));
    }

    void theSecondTextComesAfterSixtyEightHundredthsOfTheBeat_data() {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("delay");
        QTest::addColumn<bool>("meaningFirst");
        QTest::newRow("同时出现, 1 s") << QByteArray("同时出现") << 1 << 680 << false;
        QTest::newRow("缓出中文, 3 s") << QByteArray("缓出中文") << 3 << 2040 << false;
        QTest::newRow("缓出中文, 5 s") << QByteArray("缓出中文") << 5 << 3400 << false;
        QTest::newRow("缓出英文, 9 s") << QByteArray("缓出英文") << 9 << 6120 << true;
    }

    void theSecondTextComesAfterSixtyEightHundredthsOfTheBeat() {
        QFETCH(QByteArray, mode);
        QFETCH(int, seconds);
        QFETCH(int, delay);
        QFETCH(bool, meaningFirst);
        writeSettings(kAbandon, 5,
                      {{"间隔时间", QByteArray::number(seconds).constData()},
                       {"缓出中文", "False"},
                       {mode.constData(), "True"}});
        Form5& window = open();
        window.Timer1_Timer();
        window.Timer1_Timer();
        const bool together = mode == "同时出现";
        const QString first = meaningFirst ? meaning(2) : word(2);
        const QString second = meaningFirst ? word(2) : meaning(2);
        QCOMPARE(window.Label1->text(), first);
        QCOMPARE(window.Label2->text(), together ? second : QString());
        QCOMPARE(window.Timer1->Interval(), seconds * 1000);
        QCOMPARE(window.Timer2->Interval(), delay);
        QCOMPARE(window.Timer2->isTicking(), !together);
        window.Timer2_Timer();
        QCOMPARE(window.Label2->text(), second);
        QVERIFY(!window.Timer2->Enabled());
        // Whatever shows first, the word is what is read.
        QCOMPARE(spoken(), QStringList({word(1), word(2)}));
    }

    void theRevealTimerShowsTheMeaningEvenWhilePaused() {
        writeSettings(kAbandon, 5, {{"间隔时间", "1"}});
        Form5& window = open();
        window.Timer1_Timer();
        window.Timer1_Timer();
        window.mnustop_Click();
        QCOMPARE(window.Label2->text(), QString());
        QVERIFY(window.Timer2->isTicking());
        QCOMPARE(window.Timer2->Interval(), 680);
        window.Timer2_Timer();
        QCOMPARE(window.Label2->text(), meaning(2));
    }

    // The beat and the reveal run on their own timers: the first beat at
    // once, the next word a beat later, its meaning 0.68 of a beat after it.
    void theTimersRunByThemselves() {
        writeSettings(kAbandon, 5, {{"间隔时间", "1"}});
        Form5& window = open();
        QTRY_COMPARE_WITH_TIMEOUT(spoken(), QStringList({word(1)}), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(window.Label1->text(), word(2), 2000);
        QCOMPARE(window.Label2->text(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(window.Label2->text(), meaning(2), 2000);
    }

    void theWindowFitsLongAndShortTexts_data() {
        QTest::addColumn<bool>("oneRow");
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("row");
        for (const char* mode : {"同时出现", "缓出中文", "缓出英文"}) {
            for (const int row : {kAbandon, kAboard, kStraightforward}) {
                QTest::addRow("one row, %s, row %d", mode, row) << true << QByteArray(mode) << row;
                QTest::addRow("two rows, %s, row %d", mode, row)
                    << false << QByteArray(mode) << row;
            }
        }
    }

    void theWindowFitsLongAndShortTexts() {
        QFETCH(bool, oneRow);
        QFETCH(QByteArray, mode);
        QFETCH(int, row);
        writeSettings(row, row,
                      {{"单行显示", oneRow ? "True" : "False"},
                       {"双行显示", oneRow ? "False" : "True"},
                       {"缓出中文", "False"},
                       {mode.constData(), "True"}});
        Form5& window = open();
        verifyRows(window, oneRow);  // the first word shows whole
        window.Timer1_Timer();
        window.Timer1_Timer();  // the same word again, shown by the beat's own rules
        window.Timer2_Timer();
        verifyRows(window, oneRow);
        const int first = twipsWidth(window.Label1);
        const int second = twipsWidth(window.Label2);
        if (oneRow) {
            QCOMPARE(window.Label2->x(), twipsToPixels(60 + first + 158));
            QCOMPARE(window.width(), twipsToPixels(std::max(first + second + 300, 2800)));
        } else {
            const int widest = std::max(first, second);
            QCOMPARE(window.width(), twipsToPixels(widest > 2800 ? widest + 188 : 2800));
        }
        // The strip keeps to the first row, or to the second when there are two.
        QCOMPARE(window.Picture1->y(), oneRow ? twipsToPixels(30) : window.Label2->y());

        // Changing the rows lays the texts out again at once.
        const int height = window.height();
        (oneRow ? window.mnutwoRow : window.mnuoneRow)->trigger();
        QVERIFY(oneRow ? window.height() > height : window.height() < height);
        verifyRows(window, !oneRow);
    }

    void pausingOffersPreviousAndNext() {
        writeSettings(10, 14);
        Form5& window = open();
        window.show();
        window.Timer1_Timer();
        pointAt(&window, bareFace(window));
        QVERIFY(window.Picture1->isVisible());
        // Previous and next lie beyond the strip while it plays.
        QVERIFY(window.Image3->visibleRegion().isEmpty());
        QCOMPARE(window.Image1->toolTip(), QStringLiteral("暂停"));

        QTest::mouseClick(window.Image1, Qt::LeftButton);
        QVERIFY(!window.playing());
        QVERIFY(!window.mnustop->isVisible());
        QVERIFY(window.mnuplay->isVisible() && window.mnuup->isVisible() &&
                window.mnudown->isVisible());
        QCOMPARE(window.Image1->toolTip(), QStringLiteral("播放"));
        QCOMPARE(window.Image1->pixmap().toImage(), window.Image6.toImage());
        QVERIFY(!window.Image2->visibleRegion().isEmpty());
        QVERIFY(!window.Image3->visibleRegion().isEmpty());
        verifyEverythingFits(window);

        QTest::mouseClick(window.Image3, Qt::LeftButton);
        QCOMPARE(window.Label1->text(), word(11));
        // The meaning of the word before does not stand beside it meanwhile.
        QCOMPARE(window.Label2->text(), QString());
        QVERIFY(window.Picture1->isHidden());
        window.mnuup->trigger();
        window.mnuup->trigger();
        QCOMPARE(window.Label1->text(), word(14));  // back past the first row to the last
        pointAt(&window, bareFace(window));
        QTest::mouseClick(window.Image4, Qt::LeftButton);
        QCOMPARE(spoken(), QStringList({word(10), word(11), word(10), word(14), word(14)}));

        QTest::mouseClick(window.Image1, Qt::LeftButton);
        QVERIFY(window.playing());
        QCOMPARE(window.Timer1->Interval(), 1);  // the next beat comes at once
        QVERIFY(window.mnustop->isVisible() && !window.mnuplay->isVisible());
        QVERIFY(!window.mnuup->isVisible() && !window.mnudown->isVisible());
        QVERIFY(window.Image3->visibleRegion().isEmpty());
        window.Timer1_Timer();
        QCOMPARE(window.Label1->text(), word(10));
    }

    void theMouseShowsTheStripDragsAndOpensTheMenu() {
        writeSettings(kAbandon, 5);
        Form5& window = open();
        window.show();
        window.Timer1_Timer();  // the first beat, which would hide the strip
        pointAt(&window, window.Label1->geometry().center());
        QVERIFY(window.Picture1->isHidden());
        pointAt(&window, bareFace(window));
        QVERIFY(window.Picture1->isVisible());
        pointAt(&window, window.Picture1->geometry().center());
        QVERIFY(window.Picture1->isVisible());
        pointAt(&window, window.Label2->geometry().center());
        QVERIFY(window.Picture1->isHidden());

        const QPoint start = window.pos();
        const QPoint grip = window.Label1->geometry().center();
        QTest::mousePress(&window, Qt::LeftButton, {}, grip);
        QTest::mouseMove(&window, grip + QPoint(40, 25));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, grip + QPoint(40, 25));
        QCOMPARE(window.pos(), start + QPoint(40, 25));

        QTest::mouseClick(&window, Qt::RightButton, {}, grip);
        QVERIFY(window.mnupop->isVisible());
        QStringList captions;
        for (const QAction* item : window.mnupop->actions())
            if (!item->isSeparator() && item->isVisible()) captions << item->text();
        QCOMPARE(captions,
                 QStringList({"英文发音(&S)", "打乱词序(&D)", "文字显示(&T)", "读词遍数(&R)",
                              "间隔时间(&I)", "暂停(&T)", "复读(&F)", "返回(&B)", "退出(&E)"}));
        window.mnupop->close();
    }

    // One of each group is checked at a time, and every option is drawn with
    // a check mark (a menu draws items of an exclusive group with dots).
    void theMenuChecksOneItemOfEachGroup() {
        writeSettings(kAbandon, 5);
        Form5& window = open();
        const QList<QList<QAction*>> groups = {
            {window.mnuoneRow, window.mnutwoRow},
            {window.mnuAllText, window.mnuchineseL, window.mnuenglishL},
            {window.mnuReadS.begin(), window.mnuReadS.end()},
            {window.mnutimeS.begin(), window.mnutimeS.end()}};
        for (const QList<QAction*>& group : groups) {
            for (QAction* item : group) {
                QVERIFY(item->isCheckable());
                QVERIFY(!item->actionGroup() || !item->actionGroup()->isExclusive());
            }
            for (QAction* chosen : {group.last(), group.last(), group.first()}) {
                chosen->trigger();
                for (QAction* item : group) QCOMPARE(item->isChecked(), item == chosen);
            }
        }
    }

    void everyOptionAndThePlaceComeBackAfterClosing() {
        platform::installRandom(std::make_unique<FixedRandom>(0));
        writeSettings(kAbandon, 5);
        Form5* window = &open();
        window->show();
        for (QAction* item : {window->mnuSound, window->mnuDisorder, window->mnuoneRow,
                              window->mnuenglishL, window->mnuReadS[4], window->mnutimeS[8]})
            item->trigger();
        const QPoint grip(2, 2);
        QTest::mousePress(window, Qt::LeftButton, {}, grip);
        QTest::mouseMove(window, grip + QPoint(100, 40));
        QTest::mouseRelease(window, Qt::LeftButton, {}, grip + QPoint(100, 40));
        const QPoint placed = window->pos();
        FileSaves saves(SettingsPath());
        QVERIFY(saves.watching());
        window->mnuback->trigger();
        QVERIFY(!forms().existing<Form5>());
        QCOMPARE(saves.count(), 1);

        QCOMPARE(smallSection(),
                 QStringList({"英文发音=False", "打乱词序=True", "单行显示=True", "双行显示=False",
                              "同时出现=False", "缓出中文=False", "缓出英文=True", "读词遍数=5",
                              "间隔时间=9", "位置X=" + QString::number(pixelsToTwips(placed.x())),
                              "位置Y=" + QString::number(pixelsToTwips(placed.y()))}));

        window = &forms().form<Form5>();
        QVERIFY(!window->mnuSound->isChecked() && window->mnuDisorder->isChecked());
        QVERIFY(window->mnuoneRow->isChecked() && !window->mnutwoRow->isChecked());
        QVERIFY(window->mnuenglishL->isChecked());
        QVERIFY(!window->mnuAllText->isChecked() && !window->mnuchineseL->isChecked());
        QVERIFY(window->mnuReadS[4]->isChecked() && window->mnutimeS[8]->isChecked());
        verifyRows(*window, true);
        QCOMPARE(window->pos(), placed);
    }

    void aPlaceOffEveryScreenComesBackWhereItCanBeReached_data() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("kept");
        QTest::newRow("far right and below") << 60000 << 45000 << false;
        QTest::newRow("above and left") << -9000 << -3000 << false;
        QTest::newRow("below the bottom edge") << 1500 << 99999 << false;
        QTest::newRow("partly on the screen")
            << pixelsToTwips(screen.right() - 40) << pixelsToTwips(screen.bottom() - 20) << true;
    }

    void aPlaceOffEveryScreenComesBackWhereItCanBeReached() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, kept);
        writeSettings(kAbandon, 5,
                      {{"位置X", QByteArray::number(x).constData()},
                       {"位置Y", QByteArray::number(y).constData()}});
        Form5& window = open();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        if (kept)
            QCOMPARE(window.pos(), QPoint(twipsToPixels(x), twipsToPixels(y)));
        else
            QVERIFY(screen.contains(window.geometry()));
        window.close();
        QCOMPARE(smallSection()[9],
                 "位置X=" + QString::number(kept ? x : pixelsToTwips(window.x())));
    }

    void aBrokenSectionFallsBackToTheDesignOptions() {
        writeSettings(kAbandon, 5,
                      {{"双行显示", "False"},
                       {"缓出中文", "False"},
                       {"读词遍数", "12"},
                       {"间隔时间", "x"},
                       {"位置X", "left"}});
        Form5& window = open();
        QVERIFY(window.mnutwoRow->isChecked() && window.mnuchineseL->isChecked());
        QVERIFY(window.mnuReadS[0]->isChecked() && window.mnutimeS[2]->isChecked());
        QCOMPARE(window.x(), twipsToPixels(3800));
        window.Timer1_Timer();
        window.Timer1_Timer();
        QCOMPARE(window.Label1->text(), word(2));
    }

    // A failing voice is reported once, not with a new box on every beat;
    // once it speaks again a later failure is reported afresh. What the
    // learner asks for is always answered.
    void aFailingVoiceIsReportedOncePerRunOfFailures() {
        writeSettings(kAbandon, 5);
        Form5& window = open();
        desktop_->speech.failing = true;
        for (int beat = 0; beat < 4; ++beat) window.Timer1_Timer();
        QCOMPARE(desktop_->speech.requests.size(), 4);
        QCOMPARE(desktop_->prompt.messages.size(), 1);
        QCOMPARE(desktop_->prompt.messages[0].text, kCannotSpeak);
        QCOMPARE(desktop_->prompt.messages[0].title, kErrorTitle);
        QCOMPARE(window.Label1->text(), word(4));  // the beat went on

        window.mnurepeat->trigger();
        QCOMPARE(desktop_->prompt.messages.size(), 2);

        desktop_->speech.failing = false;
        window.Timer1_Timer();
        desktop_->speech.failing = true;
        window.Timer1_Timer();
        QCOMPARE(desktop_->prompt.texts(), QStringList(3, kCannotSpeak));

        // Without pronunciation the beats are silent; 复读 still reads.
        desktop_->speech.failing = false;
        desktop_->speech.requests.clear();
        window.mnuSound->trigger();
        window.Timer1_Timer();
        window.mnustop_Click();
        window.mnudown_Click();
        QVERIFY(desktop_->speech.requests.isEmpty());
        window.mnurepeat->trigger();
        QCOMPARE(spoken(), QStringList({word(3)}));
    }

    void goingBackOrClosingShowsTheMainWindow() {
        writeSettings(kAbandon, 5);
        Form6& main = forms().form<Form6>();
        main.show();
        switchFromMainWindow(Mode::Small);
        Form5* window = forms().existing<Form5>();
        QVERIFY(window && window->isVisible());
        QVERIFY(!main.isVisible());
        window->mnuback->trigger();
        QVERIFY(!forms().existing<Form5>());
        QVERIFY(main.isVisible());
        QCOMPARE(smallSection().size(), 11);

        // Closed some other way, the window still hands back to the main window.
        switchFromMainWindow(Mode::Small);
        QVERIFY(!main.isVisible());
        forms().existing<Form5>()->close();
        QVERIFY(main.isVisible());
    }

    void exitingOrClosingTheMainWindowSavesTheOptions_data() {
        QTest::addColumn<bool>("exit");
        QTest::newRow("退出") << true;
        QTest::newRow("main window closed") << false;
    }

    void exitingOrClosingTheMainWindowSavesTheOptions() {
        QFETCH(bool, exit);
        writeSettings(kAbandon, 5);
        Form6& main = forms().form<Form6>();
        switchFromMainWindow(Mode::Small);
        forms().existing<Form5>()->mnuDisorder->trigger();
        if (exit)
            forms().existing<Form5>()->mnuExit->trigger();
        else
            main.close();
        QVERIFY(!forms().existing<Form5>());
        QVERIFY(!main.isVisible());
        QVERIFY(smallSection().contains(QStringLiteral("打乱词序=True")));
    }

    void aFailedWriteNamesEachKeyAndTheWindowStillCloses() {
        writeSettings(kAbandon, 5);
        Form5& window = open();
        QDir(desktop_->root.path("User")).removeRecursively();
        window.close();
        QVERIFY(!forms().existing<Form5>());
        QCOMPARE(
            desktop_->prompt.texts(),
            QStringList({"英文发音出错！", "打乱词序出错！", "单行显示出错！", "双行显示出错！",
                         "同时出现出错！", "缓出中文出错！", "缓出英文出错！", "读词遍数出错！",
                         "间隔时间出错！", "保存小窗口位置X出错！", "保存小窗口位置Y出错！"}));
    }
};

QTEST_MAIN(SmallWindowTest)
#include "test_small_window.moc"
