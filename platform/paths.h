#pragma once

#include <QString>

// Where the program's files live. One root per OS user holds everything the
// program writes: the executable's own folder when it is a writable, complete
// installation (portable), otherwise $XDG_DATA_HOME/tawen, filled on first
// start from the shipped data folder.
namespace platform {

// The root: Word/, User/, Dialogue/, help and the phonetic font lie under it.
// No trailing slash.
QString AppDir();

// root + "/system/": the user list, the lock, character files, the score log.
QString WindowsDir();

// Fixes the root for the rest of the run; creates system/ and User/ under it.
void setRoot(const QString& root);

// Decides the root for an executable in exeDir, as described above, copying
// the shipped data (never over a user's files) when the root is new.
QString chooseRoot(const QString& exeDir);

}  // namespace platform
