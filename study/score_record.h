#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tawen {

// One test result as the score log keeps it: date, time, course, speed and
// accuracy joined by "#", e.g. "2024/5/3#14:05:09#大学四级英语#32#85".
struct ScoreFields {
    QString date;
    QString time;
    QString course;
    QString speed;     // words per minute, whole number in decimal text
    QString accuracy;  // percent, whole number in decimal text, no "%"
};

// What the progress curve draws of a record.
struct ScorePoint {
    int speed;
    int accuracy;
};

// The record of a test finished now, dated by the program's clock.
QString makeScoreRecord(const QString& course, int speed, int accuracy);

// Splits a stored record into its fields. Records can be edited by hand, so
// anything goes: missing fields read as empty text, and a course name that
// itself holds "#" stays whole (speed and accuracy are the last two fields).
ScoreFields parseScoreRecord(QStringView record);

// Speed and accuracy when both are whole numbers; nothing otherwise.
std::optional<ScorePoint> scorePoint(const ScoreFields& fields);

}  // namespace tawen
