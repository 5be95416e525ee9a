#pragma once

#include <QString>
#include <QStringList>

// The score log: the last ten results of each learner in each test mode,
// kept in an INI file of the owner's own under system/, one section per mode
// ("fxmk" for the review quiz, "ggmk" for the consolidation test) with keys
// "test1" (newest) to "test10" (oldest). Every change is one checked, atomic
// save of the file. The functions work on the log of ScoreOwner and ScoreMode
// (shell/session.h), which the mode window that loaded last sets.
namespace tawen {

// Whose log is current: the mode windows set it to CurrentUser when they load.
inline QString ScoreOwner;

inline constexpr int kScoreLogSize = 10;

// The file holding the owner's log.
QString scoreLogPath(const QString& owner);

// Keeps the record unless the log holds it already (the same test closed
// twice within one second). False, after telling the learner, when it could
// not be written.
bool SaveScore(const QString& record);

// True when one of "test1" to "test10" holds exactly this record.
bool ScoreExists(const QString& record);

// Moves every record one key older, dropping the oldest of a full log, and
// stores the record as "test1", all in one save. False, after telling the
// learner, when the file could not be written; it then stays as it was.
bool PushScore(const QString& record);

// The records to show, oldest first; none when "test1" is empty.
QStringList ScoreRecords();

}  // namespace tawen
