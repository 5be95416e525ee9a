#pragma once

#include <QString>

// The few values that hold for the whole run.
namespace tawen {

// The logged-in user's name; fixed once login succeeds (changing user restarts).
inline QString CurrentUser;

// The current user's settings file, always settingsPathFor(CurrentUser).
inline QString SettingsPath;

// The course whose file was last asked for, and the chosen course's display name.
inline QString CurrentLibraryCode;
inline QString CurrentCourseName;

// The test mode whose score log is current.
inline QString ScoreMode;

QString settingsPathFor(const QString& user);

}  // namespace tawen
