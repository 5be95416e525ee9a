#include "study/score_record.h"

#include <QStringList>

#include "platform/clock.h"

namespace tawen {

namespace {

constexpr qsizetype kFieldCount = 5;

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

QString makeScoreRecord(const QString& course, int speed, int accuracy) {
    // The short date and time forms of a simplified-Chinese desktop, whatever
    // locale this machine runs in, so every learner's log reads alike.
    const QDateTime now = platform::clock().now();
    return QStringList{now.toString(QStringLiteral("yyyy/M/d")),
                       now.toString(QStringLiteral("H:mm:ss")), course, QString::number(speed),
                       QString::number(accuracy)}
        .join(u'#');
}

ScoreFields parseScoreRecord(QStringView record) {
    QStringList parts = record.toString().split(u'#');
    if (parts.size() > kFieldCount) {
        // Only a course name can bring extra "#": give the middle back to it.
        const QString course = parts.mid(2, parts.size() - 4).join(u'#');
        parts = {parts[0], parts[1], course, parts[parts.size() - 2], parts.last()};
    }
    parts.resize(kFieldCount);
    return {parts[0], parts[1], parts[2], parts[3], parts[4]};
}

std::optional<ScorePoint> scorePoint(const ScoreFields& fields) {
    const std::optional<int> speed = wholeNumber(fields.speed);
    const std::optional<int> accuracy = wholeNumber(fields.accuracy);
    if (!speed || !accuracy) return std::nullopt;
    return ScorePoint{*speed, *accuracy};
}

}  // namespace tawen
