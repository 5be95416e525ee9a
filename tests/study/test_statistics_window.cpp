#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "fakes/recording_prompt.h"
#include "fakes/temp_root.h"
#include "platform/twips.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "study/form10_statistics.h"
#include "study/score_chart.h"
#include "study/score_log.h"
#include "study/twip_painter.h"

using namespace tawen;

namespace {

const QString kCurve = QStringLiteral("进步曲线");
const QString kTable = QStringLiteral("成绩统计表");
const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);

int px(int twips) { return qRound(twips / double(platform::kTwipsPerPixel)); }

QColor colourAt(const QImage& picture, int xTwips, int yTwips) {
    return picture.pixelColor(px(xTwips), px(yTwips));
}

// A test closed at 9:nn with the given speed and accuracy.
QString result(int minute, const QString& speed, const QString& accuracy) {
    return QStringLiteral("2024/5/3#9:%1:00#大学四级英语#%2#%3")
        .arg(minute, 2, 10, QLatin1Char('0'))
        .arg(speed, accuracy);
}

QString result(int minute, int speed, int accuracy) {
    return result(minute, QString::number(speed), QString::number(accuracy));
}

// How many pixels of the colour lie in the rectangle (pixels).
int count(const QImage& picture, const QColor& colour, const QRect& area) {
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixelColor(x, y) == colour) ++found;
    return found;
}

int notWhite(const QImage& picture, const QRect& area) {
    return area.width() * area.height() - count(picture, kWhite, area);
}

// The cell of a table row between its rules, in pixels; row -1 is the header.
QRect cell(int leftTwips, int rightTwips, int row) {
    const int top = px(600 + 300 * row) + 1;
    return QRect(QPoint(px(leftTwips) + 1, top), QPoint(px(rightTwips) - 1, top + 18));
}

// The picture holding only the text, printed where the window prints it.
QImage printedAlone(QPoint atTwips, const QString& text) {
    QImage alone(platform::twipsToPixels(kPictureTwips.width()),
                 platform::twipsToPixels(kPictureTwips.height()), QImage::Format_RGB32);
    alone.fill(Qt::white);
    QPainter painter(&alone);
    TwipPainter(painter).print(atTwips, text);
    return alone;
}

// True when the cell shows the text, and only it, as printed at atTwips.
bool shows(const QImage& picture, const QRect& area, QPoint atTwips, const QString& text) {
    const QImage expected = printedAlone(atTwips, text);
    if (notWhite(expected, area) == 0) return false;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixel(x, y) != expected.pixel(x, y)) return false;
    return true;
}

// What a widget receives from a double click: a press and a release, then a
// press followed by the double click itself, and the last release.
void doubleClick(QWidget* widget, QPoint at) {
    const QPointF global = widget->mapToGlobal(QPointF(at));
    for (const QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, QPointF(at), global, Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

}  // namespace

// The statistics window as the learner meets it: opened over a test window
// with the log of that window's mode, clicked to switch views. What it shows
// is checked on its picture, pixel by pixel, at the places the layout gives.
class StatisticsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempRoot> root_;

    void keep(const QStringList& oldestFirst) {
        for (const QString& record : oldestFirst) QVERIFY(SaveScore(record));
    }

    Form10& open() {
        showScoreStatistics();
        return *forms().existing<Form10>();
    }

    static QImage picture(const Form10& window) {
        return window.Picture1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }

  private slots:
    void init() {
        root_ = std::make_unique<TempRoot>();
        installRecordingPrompt();
        ScoreOwner = QStringLiteral("bob");
        ScoreMode = QStringLiteral("ggmk");
    }

    void cleanup() { forms().unload<Form10>(); }

    void aWindowOfItsOwnSize() {
        Form10& window = open();
        QCOMPARE(window.windowTitle(), kCurve);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.size(), QSize(465, 265));  // 6975 x 3975 twips
        QCOMPARE(window.Picture1->geometry(), window.rect());
        QCOMPARE(picture(window).size(), window.size());
        QCOMPARE(window.Picture1->toolTip(),
                 QStringLiteral("双击可在进步曲线与成绩统计表之间转换"));
    }

    void threeRecordsStandOldestFirst() {
        keep({result(1, 20, 70), result(2, 40, 80), result(3, 60, 90)});
        const QImage curve = picture(open());
        const int xs[] = {900, 1500, 2100};
        const int speeds[] = {20, 40, 60};
        const int accuracies[] = {70, 80, 90};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(colourAt(curve, xs[i], 3600 - 30 * speeds[i]), kSpeedColour);
            QCOMPARE(colourAt(curve, xs[i], 3600 - 30 * accuracies[i]), kAccuracyColour);
        }
        // Lines join the points in order: halfway from the first to the second.
        QCOMPARE(colourAt(curve, 1200, 3600 - 30 * 30), kSpeedColour);
        QCOMPARE(colourAt(curve, 1200, 3600 - 30 * 75), kAccuracyColour);
        // Nothing for a fourth record, nor the newest at the first place.
        const QRect fourth(px(2700) - 3, px(450), 7, px(3600) - px(450) - 1);
        QCOMPARE(count(curve, kSpeedColour, fourth), 0);
        QCOMPARE(count(curve, kAccuracyColour, fourth), 0);
        QCOMPARE(colourAt(curve, 900, 3600 - 30 * 60), kWhite);
    }

    void fullMarksStandOnTheirTicks() {
        keep({result(1, 0, 100)});
        const QImage curve = picture(open());
        // Accuracy 100 on the row of the "100" tick, speed 0 on the x axis.
        QCOMPARE(colourAt(curve, 310, 600), kBlack);
        QCOMPARE(colourAt(curve, 310, 600 - 15), kWhite);
        QCOMPARE(colourAt(curve, 310, 600 + 15), kWhite);
        QCOMPARE(colourAt(curve, 900, 600), kAccuracyColour);
        QCOMPARE(colourAt(curve, 900 - 15, 600), kAccuracyColour);
        QCOMPARE(colourAt(curve, 900, 600 - 45), kWhite);
        QCOMPARE(colourAt(curve, 900, 3600), kSpeedColour);
        QCOMPARE(colourAt(curve, 450, 3600), kBlack);
    }

    void aClickSwitchesBetweenCurveAndTable() {
        keep({result(1, 25, 70)});
        Form10& window = open();
        const QPoint inside(200, 150);

        QTest::mouseClick(window.Picture1, Qt::LeftButton, {}, inside);
        QCOMPARE(window.windowTitle(), kTable);
        QImage shown = picture(window);
        QCOMPARE(colourAt(shown, 1000, 600), kSpeedColour);     // header rule
        QCOMPARE(colourAt(shown, 1000, 900), kAccuracyColour);  // first row rule
        QCOMPARE(colourAt(shown, 1500, 2000), kSpeedColour);    // column rule
        QCOMPARE(colourAt(shown, 900, 2850), kWhite);           // no point

        QTest::mouseClick(window.Picture1, Qt::LeftButton, {}, inside);
        QCOMPARE(window.windowTitle(), kCurve);
        shown = picture(window);
        QCOMPARE(colourAt(shown, 900, 2850), kSpeedColour);
        QCOMPARE(colourAt(shown, 1000, 900), kWhite);

        QTest::mouseClick(window.Picture1, Qt::LeftButton, {}, inside);
        QCOMPARE(window.windowTitle(), kTable);

        // A double click, as the tool tip says, switches once.
        doubleClick(window.Picture1, inside);
        QCOMPARE(window.windowTitle(), kCurve);
        QCOMPARE(colourAt(picture(window), 900, 2850), kSpeedColour);
    }

    void eachClickReadsTheLogAgain() {
        keep({result(1, 20, 70)});
        Form10& window = open();
        keep({result(2, 40, 80)});
        QCOMPARE(colourAt(picture(window), 1500, 2400), kWhite);
        window.Picture1_Click();
        window.Picture1_Click();
        QCOMPARE(colourAt(picture(window), 1500, 2400), kSpeedColour);

        // Opened again while open: brought up as it stands, not redrawn.
        keep({result(3, 60, 90)});
        QCOMPARE(&open(), &window);
        QCOMPARE(colourAt(picture(window), 2100, 1800), kWhite);
    }

    void anEmptyLogDrawsTheBareCurveAndTable() {
        Form10& window = open();
        QImage shown = picture(window);
        // Axes, arrow heads and scales in black.
        QCOMPARE(colourAt(shown, 300, 2000), kBlack);
        QCOMPARE(colourAt(shown, 3000, 3600), kBlack);
        QCOMPARE(colourAt(shown, 300, 300), kBlack);
        QCOMPARE(colourAt(shown, 6600, 3600), kBlack);
        QCOMPARE(colourAt(shown, 6300, 3630), kBlack);
        // Each label beside the end of its tick: "100" at the top, "10" at
        // the foot, "1" under the first place and "10" under the last.
        QVERIFY(shows(shown, QRect(px(340), px(600) - 6, 30, 13), {360, 510}, "100"));
        QVERIFY(shows(shown, QRect(px(340), px(3300) - 6, 30, 13), {360, 3210}, "10"));
        QVERIFY(notWhite(shown, QRect(px(900) - 6, px(3650) + 1, 12, 14)) > 0);
        QVERIFY(notWhite(shown, QRect(px(6300) - 8, px(3650) + 1, 16, 14)) > 0);
        // The legend's two strokes and nothing else in colour.
        const QRect legend(0, 0, shown.width(), px(450));
        QCOMPARE(count(shown, kSpeedColour, legend), px(500) + 1);
        QCOMPARE(count(shown, kAccuracyColour, legend), px(500) + 1);
        const QRect plot(0, px(450), shown.width(), shown.height() - px(450));
        QCOMPARE(count(shown, kSpeedColour, plot), 0);
        QCOMPARE(count(shown, kAccuracyColour, plot), 0);

        window.Picture1_Click();
        shown = picture(window);
        QVERIFY(shows(shown, cell(300, 1500, -1), {600, 370}, QStringLiteral("日期")));
        QVERIFY(shows(shown, cell(5600, 6600, -1), {5900, 370}, QStringLiteral("正确率")));
        for (int row = 0; row < 10; ++row)
            for (const auto& [left, right] :
                 {std::pair{300, 1500}, {1500, 2700}, {2700, 4500}, {4500, 5600}, {5600, 6600}})
                QCOMPARE(notWhite(shown, cell(left, right, row)), 0);
    }

    void theTableListsEachFieldInItsColumn() {
        keep({result(1, 20, 70), result(2, 40, 80), result(3, 60, 90)});
        Form10& window = open();
        window.Picture1_Click();
        const QImage table = picture(window);
        QVERIFY(shows(table, cell(300, 1500, 0), {380, 670}, QStringLiteral("  2024/5/3")));
        QVERIFY(shows(table, cell(1500, 2700, 0), {1550, 670}, QStringLiteral("9:01:00")));
        QVERIFY(shows(table, cell(2700, 4500, 0), {2700, 670}, QStringLiteral(" 大学四级英语")));
        QVERIFY(shows(table, cell(4500, 5600, 0), {4500, 670}, QStringLiteral(" 20(个/分钟)")));
        QVERIFY(shows(table, cell(5600, 6600, 0), {5800, 670}, QStringLiteral("  70%")));
        QVERIFY(shows(table, cell(1500, 2700, 2), {1550, 1270}, QStringLiteral("9:03:00")));
        QVERIFY(shows(table, cell(5600, 6600, 2), {5800, 1270}, QStringLiteral("  90%")));
        QCOMPARE(notWhite(table, cell(300, 1500, 3)), 0);
    }

    void damagedRecordsAreSkippedInTheCurveAndShownInTheTable() {
        // Records edited by hand: no number, a field short, no fields at all,
        // and a speed far beyond the picture.
        keep({result(1, 20, 70), result(2, QStringLiteral("x"), QStringLiteral("80")),
              QStringLiteral("2024/5/3#9:03:00#GRE#50"), QStringLiteral("edited"),
              result(5, 2147483647, 60), result(6, 40, 90)});
        Form10& window = open();
        const QImage curve = picture(window);
        QCOMPARE(colourAt(curve, 900, 3600 - 30 * 20), kSpeedColour);
        QCOMPARE(colourAt(curve, 900, 3600 - 30 * 70), kAccuracyColour);
        // No speed anywhere above the second and third places, no accuracy
        // where the second record's 80 would stand.
        for (const int x : {1500, 2100})
            QCOMPARE(count(curve, kSpeedColour, QRect(px(x) - 2, px(450), 5, 235)), 0);
        QCOMPARE(colourAt(curve, 1500, 3600 - 30 * 80), kWhite);
        QCOMPARE(colourAt(curve, 3300, 3600 - 30 * 60), kAccuracyColour);
        QCOMPARE(colourAt(curve, 3900, 3600 - 30 * 40), kSpeedColour);
        QCOMPARE(colourAt(curve, 3900, 3600 - 30 * 90), kAccuracyColour);

        window.Picture1_Click();
        const QImage table = picture(window);
        QVERIFY(shows(table, cell(4500, 5600, 1), {4500, 970}, QStringLiteral(" x(个/分钟)")));
        QVERIFY(shows(table, cell(5600, 6600, 1), {5800, 970}, QStringLiteral("  80%")));
        QVERIFY(shows(table, cell(2700, 4500, 2), {2700, 1270}, QStringLiteral(" GRE")));
        QVERIFY(shows(table, cell(4500, 5600, 2), {4500, 1270}, QStringLiteral(" 50(个/分钟)")));
        QCOMPARE(notWhite(table, cell(5600, 6600, 2)), 0);
        QVERIFY(shows(table, cell(300, 1500, 3), {380, 1570}, QStringLiteral("  edited")));
        QCOMPARE(notWhite(table, cell(1500, 2700, 3)), 0);
        QCOMPARE(notWhite(table, cell(4500, 5600, 3)), 0);
        QVERIFY(shows(table, cell(5600, 6600, 5), {5800, 2170}, QStringLiteral("  90%")));
    }

    void theOtherModesLogIsNeverShown() {
        ScoreMode = QStringLiteral("fxmk");
        keep({result(1, 20, 70)});
        ScoreMode = QStringLiteral("ggmk");
        const QImage curve = picture(open());
        QCOMPARE(colourAt(curve, 900, 3000), kWhite);
        QCOMPARE(count(curve, kSpeedColour, QRect(0, px(450), 465, 200)), 0);
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "test_statistics_window.moc"
