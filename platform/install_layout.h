#pragma once

#include <QString>

// Where an installed copy keeps its parts, relative to the folder of the
// installed tawen (bin/). The build fills these in from the install
// directories it was configured with.
namespace platform {

extern const char* const kBinToData;     // share/tawen
extern const char* const kBinToLibexec;  // libexec/tawen
extern const char* const kBinToModules;  // lib/.../tawen

// The file `name` beside the running executable when it is there (a
// portable copy), otherwise where an installed copy keeps it, in the folder
// binToFolder away from the executable's. Empty when it is in neither.
QString besideOrInstalled(const QString& name, const char* binToFolder);

}  // namespace platform
