#include "study/score_log.h"

#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "shell/session.h"

namespace tawen {

namespace {

QString scoreKey(int n) { return QStringLiteral("test%1").arg(n); }

// Keys are read by number: the file lists them in the order they were made
// (or as a hand edit left them), not in the order of the log.
QString readScore(int n) {
    return platform::readIniValue(scoreLogPath(ScoreOwner), ScoreMode, scoreKey(n));
}

}  // namespace

QString scoreLogPath(const QString& owner) {
    return platform::WindowsDir() + owner + QStringLiteral(".ini");
}

bool SaveScore(const QString& record) { return ScoreExists(record) || PushScore(record); }

bool ScoreExists(const QString& record) {
    for (int n = 1; n <= kScoreLogSize; ++n)
        if (readScore(n) == record) return true;
    return false;
}

bool PushScore(const QString& record) {
    QList<platform::IniEntry> moved;
    for (int n = kScoreLogSize - 1; n >= 1; --n) {
        const QString older = readScore(n);
        if (!older.isEmpty()) moved.append({scoreKey(n + 1), older});
    }
    moved.append({scoreKey(1), record});
    if (platform::writeIniSection(scoreLogPath(ScoreOwner), ScoreMode, moved)) return true;
    platform::prompt().message(QStringLiteral("成绩记录保存失败，本次成绩未能记入进步曲线。"),
                               QStringLiteral("错误提示"));
    return false;
}

QStringList ScoreRecords() {
    if (readScore(1).isEmpty()) return {};
    QStringList oldestFirst;
    for (int n = kScoreLogSize; n >= 1; --n) {
        const QString record = readScore(n);
        if (!record.isEmpty()) oldestFirst.append(record);
    }
    return oldestFirst;
}

}  // namespace tawen
