#pragma once

#include <QString>

// Where the program's files live. One root per OS user holds everything the
// program reads and writes: the executable's own folder when it is writable
// and holds Word/ (portable), otherwise $XDG_DATA_HOME/tawen. An installed
// copy brings into that root, at every start, each file of <prefix>/share/tawen
// the root lacks (a course added by an upgrade, say), never over one it has.
namespace platform {

// The root: Word/, User/, Dialogue/, help and the phonetic font lie under it.
// No trailing slash.
QString AppDir();

// root + "/system/": the user list, the lock, character files, the score log.
QString WindowsDir();

// Fixes the root for the rest of the run; creates system/ and User/ under it.
void setRoot(const QString& root);

// Decides the root for an executable in exeDir, as described above, and
// copies in the shipped files the root lacks.
QString chooseRoot(const QString& exeDir);

}  // namespace platform
