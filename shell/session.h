#pragma once

#include <QString>

// The few values that hold for the whole run.
namespace tawen {

// The logged-in user's name; fixed once login succeeds (changing user restarts).
inline QString CurrentUser;

// The course whose file was last asked for, and the chosen course's display name.
inline QString CurrentLibraryCode;
inline QString CurrentCourseName;

// The test mode whose score log is current.
inline QString ScoreMode;

// AppDir + "/User/" + user + ".ini".
QString settingsPathFor(const QString& user);

// The current user's settings file: it follows CurrentUser, so no window has
// to remember to work it out again.
QString SettingsPath();

}  // namespace tawen
