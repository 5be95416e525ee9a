#pragma once

#include <QColor>
#include <QSize>
#include <QStringList>

class QPainter;

// The two views of the statistics window, drawn on its picture: the progress
// curve "进步曲线" and the table "成绩统计表". Records come oldest first, as
// ScoreRecords() gives them; each is drawn at the place the layout gives it.
namespace tawen {

inline const QColor kSpeedColour{123, 10, 225};
inline const QColor kAccuracyColour{123, 225, 12};

// The picture fills the window's client area.
inline constexpr QSize kPictureTwips{6975, 3975};

// Axes, scales and legend, then a point for each record's speed and accuracy
// joined by one line each. A record whose speed or accuracy is not a number
// keeps its place on the x scale but has no points.
void drawProgressCurve(QPainter& painter, const QStringList& records);

// Frame, rules and headers, then one row per record showing its fields as
// they stand.
void drawScoreTable(QPainter& painter, const QStringList& records);

}  // namespace tawen
