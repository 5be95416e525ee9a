#include "study/score_log.h"

#include <QSettings>

#include "platform/paths.h"
#include "platform/prompt.h"
#include "shell/session.h"

namespace tawen {

namespace {

QString scoreKey(int n) { return QStringLiteral("test%1").arg(n); }

// The log's section in the owner's store, opened for one operation.
class ScoreSection {
  public:
    ScoreSection() : store_(scoreLogPath(ScoreOwner), QSettings::IniFormat) {
        store_.beginGroup(ScoreMode);
    }

    // Keys are read by number: the store lists them in its own order
    // ("test10" before "test2"), not in the order of the log.
    QString read(int n) const {
        const QVariant value = store_.value(scoreKey(n));
        // A record typed in by hand with a bare comma reads back as a list.
        if (value.metaType().id() == QMetaType::QStringList) return value.toStringList().join(u',');
        return value.toString();
    }

    void write(int n, const QString& record) { store_.setValue(scoreKey(n), record); }

    bool save() {
        store_.sync();
        return store_.status() == QSettings::NoError;
    }

  private:
    QSettings store_;
};

}  // namespace

QString scoreLogPath(const QString& owner) {
    return platform::WindowsDir() + owner + QStringLiteral(".ini");
}

bool SaveScore(const QString& record) { return ScoreExists(record) || PushScore(record); }

bool ScoreExists(const QString& record) {
    const ScoreSection section;
    for (int n = 1; n <= kScoreLogSize; ++n)
        if (section.read(n) == record) return true;
    return false;
}

bool PushScore(const QString& record) {
    ScoreSection section;
    for (int n = kScoreLogSize - 1; n >= 1; --n) {
        const QString older = section.read(n);
        if (!older.isEmpty()) section.write(n + 1, older);
    }
    section.write(1, record);
    if (section.save()) return true;
    platform::prompt().message(QStringLiteral("成绩记录保存失败，本次成绩未能记入进步曲线。"),
                               QStringLiteral("错误提示"));
    return false;
}

QStringList ScoreRecords() {
    const ScoreSection section;
    if (section.read(1).isEmpty()) return {};
    QStringList oldestFirst;
    for (int n = kScoreLogSize; n >= 1; --n) {
        const QString record = section.read(n);
        if (!record.isEmpty()) oldestFirst.append(record);
    }
    return oldestFirst;
}

}  // namespace tawen
