#pragma once

#include <QString>

#include "platform/ini_file.h"

#include <span>

// The per-user settings file at SettingsPath(). Each window reads its own
// section when it loads and writes the whole section back when it closes.
namespace tawen {

struct SettingDefault {
    const char* section;
    const char* key;
    const char* value;
};

// Every key a new user starts with, in the order it is written.
std::span<const SettingDefault> defaultSettings();

// The stored text, or the empty text when file, section or key is absent.
QString ReadSetting(const QString& section, const QString& key);

// Stores the value; on failure shows the key's own message and returns false.
// Callers always go on with their next write.
bool WriteSetting(const QString& section, const QString& key, const QString& value);

// Stores the entries of one section in one save. On failure nothing is
// written and each key's own message is shown, in the order given.
bool WriteSettings(const QString& section, const QList<platform::IniEntry>& entries);

// The message shown when the key cannot be written.
QString writeFailureMessage(const QString& section, const QString& key);

// Fills a new user's file with defaultSettings(), one message per failed key.
void writeDefaultSettings();

}  // namespace tawen
