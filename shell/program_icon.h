#pragma once

#include <QIcon>

namespace tawen {

// The program's icon at every size it is drawn in, built into the program so
// that a portable copy shows it as an installed one does.
QIcon programIcon();

}  // namespace tawen
