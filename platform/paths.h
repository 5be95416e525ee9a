#pragma once

#include <QString>

// Where the program's files live. Two folders: what the program ships
// (courses, dialogue scripts, characters, help, the phonetic face), read
// only, and the learner's own root, where everything the program writes goes
// (users, settings, personal libraries, scores, the lock).
//
// Portable: the executable's folder is writable and holds Word/ (the build's
// output folder is one); both are that folder. Installed: the shipped files
// are read where the package put them, <prefix>/share/tawen, and each OS
// user's own files live in $XDG_DATA_HOME/tawen, so an upgrade of the package
// reaches every learner at once.
namespace platform {

// The learner's root: User/, the personal library under Word/, system/.
// No trailing slash.
QString AppDir();

// AppDir() + "/system/": the user list, the lock, the score log.
QString WindowsDir();

// What the program ships: Word/<code>.twn, Dialogue/, help/, Dfhgwprn.ttf,
// system/msagent/chars/. No trailing slash.
QString SharedDir();

struct Roots {
    QString user;    // AppDir()
    QString shared;  // SharedDir()
};

// Fixes both folders for the rest of the run; creates system/, User/ and
// Word/ under the learner's root.
void setRoots(const Roots& roots);

// A portable root: the program's own files and the learner's in one folder.
inline void setRoot(const QString& root) { setRoots({root, root}); }

// Decides both folders for an executable in exeDir, as described above.
Roots chooseRoots(const QString& exeDir);

}  // namespace platform
