#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A settings file read and written by the rules of the classic profile
// service, so files stay interchangeable with it: sections and keys match
// without regard to letter case, blanks round keys and values are ignored,
// a value reads back at most 254 bytes, lines end in CR LF, and sections and
// keys keep their order in the file. Text is GB18030; every write replaces
// the whole file atomically, so a failed write leaves the old file intact.
namespace platform {

inline constexpr qsizetype kMaxSettingBytes = 254;

struct IniEntry {
    QString key;
    QString value;
};

// The stored value, or the empty text when the file, section or key is absent.
QString readIniValue(const QString& path, QStringView section, QStringView key);

// Every key line of the section with its value as readIniValue gives it, in
// file order: one read of the file for a window that loads a whole section.
QList<IniEntry> readIniSection(const QString& path, QStringView section);

// The value of key among entries, matched without regard to letter case (the
// first line of a key listed twice counts); empty when it is not there.
QString findIniValue(const QList<IniEntry>& entries, QStringView key);

// Stores value under key, creating the file, section or key as needed and
// replacing an existing value in place. False when the file cannot be written;
// the old file then stays as it was, byte for byte.
bool writeIniValue(const QString& path, QStringView section, QStringView key, QStringView value);

// Stores every entry of one section in one save, each as writeIniValue would.
// All or nothing: false leaves the old file as it was.
bool writeIniSection(const QString& path, QStringView section, const QList<IniEntry>& entries);

struct IniSection {
    QString name;
    QList<IniEntry> entries;
};

// Replaces the whole file by these sections, in this order, in one save.
// All or nothing: false leaves the old file as it was.
bool writeIniFile(const QString& path, const QList<IniSection>& sections);

}  // namespace platform
