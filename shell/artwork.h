#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QStringView>

namespace tawen {

// The picture of a toolbar button, by its key "t1" to "t8"; an unknown key
// gives a null icon. Each icon holds 16, 24 and 32 px pictures drawn for that
// size, and Qt derives the disabled look from them.
QIcon toolbarIcon(QStringView key);

// The main window's backdrop for the given size: light at the top left, where
// the black labels sit, with a faint tower and letters towards the right.
QPixmap mainBackground(QSize size);

}  // namespace tawen
