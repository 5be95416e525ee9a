#include "study/score_chart.h"

#include <QPainter>

#include <algorithm>

#include "study/score_record.h"
#include "study/twip_painter.h"

namespace tawen {

namespace {

constexpr int kLeft = 300;
constexpr int kTop = 300;
constexpr int kRight = 6600;
constexpr int kBottom = 3600;
constexpr int kRowHeight = 300;
constexpr int kPointRadius = 30;

// A value v stands at 3600 - 30 v: 100 on the top tick, 0 on the x axis.
// Values are not clamped to the axis, only kept where the rasterizer copes.
int valueY(int value) {
    const qint64 y = kBottom - 30 * qint64(value);
    return int(std::clamp<qint64>(y, -1'000'000, 1'000'000));
}

int recordX(int index) { return 900 + 600 * index; }

void drawLegend(TwipPainter& canvas) {
    const int y = TwipPainter::kLineHeight;  // below one empty line
    const int strokeY = y + TwipPainter::kLineHeight / 2;
    int x = canvas.print({0, y}, QString(33, u' ') + QStringLiteral("速度(词/分钟)："));
    canvas.line({x, strokeY}, {x + 500, strokeY}, kSpeedColour);
    x = canvas.print({x + 500, y}, QStringLiteral("  正确率(%)："));
    canvas.line({x, strokeY}, {x + 500, strokeY}, kAccuracyColour);
}

void drawAxes(TwipPainter& canvas) {
    canvas.polyline({{kLeft, kTop}, {kLeft, kBottom}, {kRight, kBottom}}, Qt::black);
    canvas.line({kLeft, kTop}, {250, 500}, Qt::black);
    canvas.line({kLeft, kTop}, {350, 500}, Qt::black);
    canvas.line({kRight, kBottom}, {6400, 3650}, Qt::black);
    canvas.line({kRight, kBottom}, {6400, 3550}, Qt::black);
    for (int step = 1; step <= 10; ++step) {
        // Each label stands centred on the end of its tick.
        const int y = valueY(10 * step);
        canvas.line({290, y}, {330, y}, Qt::black);
        canvas.print({360, y - TwipPainter::kLineHeight / 2}, QString::number(10 * step));
        const int x = kLeft + 600 * step;
        canvas.line({x, kBottom}, {x, 3650}, Qt::black);
        const QString label = QString::number(step);
        canvas.print({x - canvas.width(label) / 2, 3660}, label);
    }
}

void drawPoints(TwipPainter& canvas, const QStringList& records) {
    QList<QPoint> speeds;
    QList<QPoint> accuracies;
    for (int i = 0; i < records.size(); ++i) {
        const std::optional<ScorePoint> point = scorePoint(parseScoreRecord(records[i]));
        if (!point) continue;
        speeds.append({recordX(i), valueY(point->speed)});
        accuracies.append({recordX(i), valueY(point->accuracy)});
        canvas.dot(speeds.last(), kPointRadius, kSpeedColour);
        canvas.print(speeds.last() + QPoint(60, 0), QString::number(point->speed) + u' ',
                     kSpeedColour);
        canvas.dot(accuracies.last(), kPointRadius, kAccuracyColour);
        canvas.print(accuracies.last() + QPoint(60, 0), QString::number(point->accuracy) + u' ',
                     kAccuracyColour);
    }
    canvas.polyline(speeds, kSpeedColour);
    canvas.polyline(accuracies, kAccuracyColour);
}

}  // namespace

void drawProgressCurve(QPainter& painter, const QStringList& records) {
    TwipPainter canvas(painter);
    canvas.clear(kPictureTwips);
    drawLegend(canvas);
    drawAxes(canvas);
    drawPoints(canvas, records);
}

void drawScoreTable(QPainter& painter, const QStringList& records) {
    TwipPainter canvas(painter);
    canvas.clear(kPictureTwips);
    canvas.polyline({{kLeft, kTop}, {kLeft, kBottom}, {kRight, kBottom}}, Qt::black);
    canvas.line({kLeft, kTop}, {kRight, kTop}, Qt::black);
    canvas.line({kRight, kTop}, {kRight, kBottom}, Qt::black);
    canvas.line({kLeft, kTop + kRowHeight}, {kRight, kTop + kRowHeight}, kSpeedColour);
    for (int y = 900; y <= 3300; y += kRowHeight)
        canvas.line({kLeft, y}, {kRight, y}, kAccuracyColour);
    for (const int x : {1500, 2700, 4500, 5600}) canvas.line({x, kBottom}, {x, kTop}, kSpeedColour);

    canvas.print({600, 370}, QStringLiteral("日期"));
    canvas.print({1800, 370}, QStringLiteral("时间"));
    canvas.print({3000, 370}, QStringLiteral("课程"));
    canvas.print({4800, 370}, QStringLiteral("速度"));
    canvas.print({5900, 370}, QStringLiteral("正确率"));

    for (int i = 0; i < records.size(); ++i) {
        const ScoreFields fields = parseScoreRecord(records[i]);
        const int y = 670 + kRowHeight * i;
        canvas.print({380, y}, QStringLiteral("  ") + fields.date);
        canvas.print({1550, y}, fields.time);
        canvas.print({2700, y}, u' ' + fields.course);
        // A field missing from a record edited by hand leaves its cell empty.
        if (!fields.speed.isEmpty())
            canvas.print({4500, y}, u' ' + fields.speed + QStringLiteral("(个/分钟)"));
        if (!fields.accuracy.isEmpty())
            canvas.print({5800, y}, QStringLiteral("  ") + fields.accuracy + u'%');
    }
}

}  // namespace tawen
