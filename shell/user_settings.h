#pragma once

#include <QString>

#include "platform/ini_file.h"

// The per-user settings file at SettingsPath(). Each window reads its own
// section when it loads and writes the whole section back when it closes.
namespace tawen {

// The stored text, or the empty text when file, section or key is absent.
QString ReadSetting(const QString& section, const QString& key);

// Every key of the section with its stored text, read at once.
QList<platform::IniEntry> ReadSettings(const QString& section);

// Stores the value; on failure shows the key's own message and returns false.
// Callers always go on with their next write.
bool WriteSetting(const QString& section, const QString& key, const QString& value);

// Stores the entries of one section in one save. On failure nothing is
// written and each key's own message is shown, in the order given.
bool WriteSettings(const QString& section, const QList<platform::IniEntry>& entries);

// The message shown when the key cannot be written.
QString writeFailureMessage(const QString& section, const QString& key);

// Writes a new user's whole file, every default key in table order, in one
// save that replaces whatever was there. On failure each key's own message
// is shown, in table order, and the file stays as it was.
bool writeDefaultSettings();

}  // namespace tawen
