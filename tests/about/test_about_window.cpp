#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "fakes/recording_launcher.h"
#include "fakes/recording_prompt.h"
#include "platform/twips.h"
#include "shell/about/form12_about.h"
#include "shell/about/links.h"
#include "shell/fonts.h"

using namespace tawen;
using platform::twipsToPixels;

namespace {

const QString kTyped = QStringLiteral("欢迎使用\n塔文英语单词(Tawen)\n") + QString(21, u'-');

QColor textColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// The most yellowish pixels in any one row of the label at or below y (the
// edges of thin strokes are blended with the black).
int widestYellowRowFrom(QLabel* label, int y) {
    const QImage image = label->grab().toImage();
    int widest = 0;
    for (int row = y; row < image.height(); ++row) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, row);
            count += qRed(pixel) > 128 && qGreen(pixel) > 128 && qBlue(pixel) < 64;
        }
        widest = std::max(widest, count);
    }
    return widest;
}

}  // namespace

// Plays the about window's animation tick by tick, as its timers would, and
// presses its links as a learner does.
class AboutWindowTest : public QObject {
    Q_OBJECT

    static void tick(Form12& window, int times) {
        for (int i = 0; i < times; ++i) window.Timer1_Timer();
    }

    static void cycle(Form12& window, int times) {
        for (int i = 0; i < times; ++i) window.Timer2_Timer();
    }

    // Runs the typing and the scrolling until the phrase cycle takes over.
    static void finishTyping(Form12& window) {
        while (window.Timer1->isActive()) window.Timer1_Timer();
    }

    // Plays one whole round of the cycle: the links have slid to their places.
    static void playFirstRound(Form12& window) {
        finishTyping(window);
        cycle(window, 430);
    }

    static void click(QLabel* label) {
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
    }

  private slots:
    // The faces the program maps its design fonts to, as at start-up.
    void initTestCase() { installFonts(); }

    // No link pressed here may reach a real browser or mail program.
    void init() { installRecordingLauncher(); }

    // 仿宋_GB2312 is drawn in a Kai face whose lines are short enough for the
    // welcome, the title and the rule of dashes to show whole in the label.
    void theTypedLinesAllShowInAKaiFace() {
        Form12 window;
        tick(window, 58);
        QCOMPARE(window.Label1->text(), kTyped);
        QCOMPARE(QFontInfo(window.Label1->font()).family(), QStringLiteral("AR PL UKai CN"));
        const QFontMetrics metrics(window.Label1->font());
        const QRect label = window.Label1->contentsRect();
        const QRect needed = metrics.boundingRect(label, int(window.Label1->alignment()), kTyped);
        QVERIFY2(
            label.contains(needed),
            qPrintable(
                QStringLiteral("%1 px of text in %2 px").arg(needed.height()).arg(label.height())));
        // The rule is drawn: a long row of yellow below the title line.
        QVERIFY(widestYellowRowFrom(window.Label1, 2 * metrics.lineSpacing()) > 60);

        // So are the phrases of the cycle, a point larger, each where it ends.
        finishTyping(window);
        int ticks = 0;
        for (const int last : {124, 174, 229, 284}) {
            cycle(window, last + 1 - ticks);
            ticks = last + 1;
            QCOMPARE(window.Label1->font().pointSize(), 13);
            const QRect phrase =
                QFontMetrics(window.Label1->font())
                    .boundingRect(label, int(window.Label1->alignment()), window.Label1->text());
            QVERIFY2(label.contains(phrase), qPrintable(window.Label1->text()));
        }
    }

    void typingComesOneStepAtATime() {
        Form12 window;
        QVERIFY(window.Timer1->isActive());
        QCOMPARE(window.Timer1->interval(), 180);
        QVERIFY(!window.Timer2->isActive());

        tick(window, 1);
        QCOMPARE(window.Label1->text(), QString());
        const QStringList welcome = {"欢 _", "欢迎 _", "欢迎使 _", "欢迎使用"};
        for (const QString& expected : welcome) {
            tick(window, 1);
            QCOMPARE(window.Label1->text(), expected);
        }
        tick(window, 8);
        QCOMPARE(window.Label1->text(), QStringLiteral("欢迎使用"));
        tick(window, 2);
        QCOMPARE(window.Label1->text(), QStringLiteral("欢迎使用\n塔"));
        tick(window, 12);
        QCOMPARE(window.Label1->text(), QStringLiteral("欢迎使用\n塔文英语单词(Tawen)"));
        tick(window, 9);
        QCOMPARE(window.Label1->text(), QStringLiteral("欢迎使用\n塔文英语单词(Tawen)"));
    }

    void titleAndFullRuleStandBeforeTheTextScrolls() {
        Form12 window;
        const int designTop = window.Label1->y();
        QCOMPARE(designTop, twipsToPixels(720));
        int ticks = 0;
        QString lastBeforeScroll;
        while (window.Label1->y() == designTop) {
            lastBeforeScroll = window.Label1->text();
            tick(window, 1);
            ++ticks;
        }
        QCOMPARE(lastBeforeScroll, kTyped);
        QCOMPARE(window.Label1->text(), kTyped);
        QCOMPARE(ticks, 59);
    }

    void textScrollsFourTimesThenTheCycleStarts() {
        Form12 window;
        tick(window, 58);
        QList<int> tops;
        while (window.Timer1->isActive()) {
            tick(window, 1);
            tops.append(window.Label1->y());
        }
        const QList<int> expected = {twipsToPixels(620), twipsToPixels(520), twipsToPixels(420),
                                     twipsToPixels(320), twipsToPixels(320)};
        QCOMPARE(tops, expected);
        QVERIFY(window.Timer2->isActive());
        QCOMPARE(window.Timer2->interval(), 100);
        QCOMPARE(window.Label1->text(), kTyped);
    }

    void phrasesFollowEachOtherFromSevenPointSixSeconds() {
        Form12 window;
        finishTyping(window);
        cycle(window, 76);
        QCOMPARE(76 * window.Timer2->interval(), 7600);
        QCOMPARE(window.Label1->text(), kTyped);
        QCOMPARE(window.Label1->font().pointSize(), 12);

        cycle(window, 1);
        QCOMPARE(window.Label1->text(), QStringLiteral("出于\n爱好与学习的原因"));
        QCOMPARE(window.Label1->font().pointSize(), 13);
        QVERIFY(window.Label1->font().bold());

        // Between two phrases the last one stays.
        cycle(window, 54);
        QCOMPARE(window.Label1->text(), QStringLiteral("出于\n爱好与学习的原因"));
        cycle(window, 1);
        QCOMPARE(window.Label1->text(), QStringLiteral("编写\n这款学习英语单词的小软件"));
        cycle(window, 50);
        QCOMPARE(window.Label1->text(), QStringLiteral("希望\n能帮助您的学习 ..."));
        cycle(window, 52);
        QCOMPARE(window.Label1->text(), QStringLiteral("如有\n问题或建议请与我联系"));

        // The cycle starts over after 430 ticks, the phrase with it.
        cycle(window, 430 - 234);
        QCOMPARE(window.Label1->text(), QStringLiteral("如有\n问题或建议请与我联系"));
        cycle(window, 77);
        QCOMPARE(window.Label1->text(), QStringLiteral("出于\n爱好与学习的原因"));
    }

    void colourPulsesFromOrangeThroughBlack() {
        Form12 window;
        finishTyping(window);
        QCOMPARE(textColour(window.Label1), QColor(255, 255, 0));
        cycle(window, 1);
        const QColor first = textColour(window.Label1);
        QCOMPARE(first, QColor(246, 123, 0));
        cycle(window, 25);
        QCOMPARE(textColour(window.Label1), QColor(4, 2, 0));
        cycle(window, 26);
        QCOMPARE(textColour(window.Label1), QColor(255, 128, 0));
        cycle(window, 1);
        QCOMPARE(textColour(window.Label1), first);

        // A new round of the cycle starts the pulse afresh, whatever its phase.
        cycle(window, 430 - 53);
        cycle(window, 1);
        QCOMPARE(textColour(window.Label1), first);
    }

    void linksAppearAndSlideIntoTheWindow() {
        Form12 window;
        finishTyping(window);
        cycle(window, 338);
        QVERIFY(window.Label3->isHidden());
        QVERIFY(window.Label4->isHidden());
        cycle(window, 1);
        QVERIFY(!window.Label3->isHidden());
        QVERIFY(!window.Label4->isHidden());
        const QPoint label3Start = window.Label3->pos();
        QCOMPARE(label3Start.x(), twipsToPixels(5760));
        QCOMPARE(window.Label4->x(), twipsToPixels(4815));
        QCOMPARE(label3Start.y(), twipsToPixels(1305));

        cycle(window, 430 - 339);
        QCOMPARE(window.Label3->x(), twipsToPixels(1760));
        QCOMPARE(window.Label4->x(), twipsToPixels(815));
        for (const QLabel* link : {window.Label3, window.Label4})
            QVERIFY(window.rect().contains(link->geometry()));
        QVERIFY(!window.Label3->geometry().intersects(window.Label4->geometry()));
        QCOMPARE(window.Label3->text(), QStringLiteral("学习主页"));
        QCOMPARE(window.Label4->text(), QStringLiteral("与我联系"));
    }

    void linksOpenTheirTargetOnceAndTurnGreenAgain() {
        RecordingLauncher& desktop = installRecordingLauncher();
        Form12 window;
        playFirstRound(window);

        QTest::mousePress(window.Label3, Qt::LeftButton);
        QCOMPARE(textColour(window.Label3), QColor(128, 255, 128));
        QVERIFY(desktop.urls.isEmpty());
        QTest::mouseRelease(window.Label3, Qt::LeftButton);
        QCOMPARE(textColour(window.Label3), QColor(0, 128, 0));
        QCOMPARE(desktop.urls, QList<QUrl>{QUrl(kHomePage)});

        click(window.Label4);
        QCOMPARE(textColour(window.Label4), QColor(0, 128, 0));
        QCOMPARE(desktop.urls.size(), 2);
        QCOMPARE(desktop.urls.last(), QUrl(QStringLiteral("mailto:") + kAuthorMail));
        QVERIFY(desktop.programs.isEmpty());
    }

    void pointerOverTheBackgroundResetsTheMailLink() {
        Form12 window;
        playFirstRound(window);
        QTest::mousePress(window.Label4, Qt::LeftButton);
        QCOMPARE(textColour(window.Label4), QColor(128, 255, 128));
        const QPointF inside(5, 100);
        QMouseEvent move(QEvent::MouseMove, inside, window.mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QCOMPARE(textColour(window.Label4), QColor(0, 128, 0));
    }

    void aLinkWithNoProgramToOpenItSaysWhereToGo() {
        RecordingPrompt& prompt = installRecordingPrompt();
        RecordingLauncher& desktop = installRecordingLauncher();
        desktop.works = false;
        Form12 window;
        playFirstRound(window);
        click(window.Label3);
        click(window.Label4);
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(prompt.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(prompt.messages[0].text.contains(kHomePage));
        QCOMPARE(prompt.messages[1].title, QStringLiteral("错误提示"));
        QVERIFY(prompt.messages[1].text.contains(kAuthorMail));
        QCOMPARE(desktop.urls.size(), 2);
    }

    void everyOpeningStartsFromTheBeginning() {
        {
            Form12 first;
            finishTyping(first);
            cycle(first, 100);
        }
        Form12 again;
        QVERIFY(again.Timer1->isActive());
        QVERIFY(!again.Timer2->isActive());
        QCOMPARE(again.Label1->y(), twipsToPixels(720));
        QVERIFY(again.Label3->isHidden());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
