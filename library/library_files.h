#pragma once

#include <QByteArrayView>
#include <QString>

#include <string_view>

#include "library/word_table.h"

// Word library files: Word/<code>.twn under the program's root, the whole
// plaintext enciphered as one stream. The plaintext is GB18030, one word per
// line as word#meaning#phonetic.
namespace tawen {

// Row numbers are signed 16-bit and the grid also needs its header row.
inline constexpr int MaxWordRows = 32766;

QString libraryFilePath(const QString& code);

// Turns deciphered bytes into rows. CR LF and a lone CR end a line, a lone LF
// stays in the text, and a break after the last line adds no row. Fields are
// split at every "#" and kept untrimmed; fields after the third are dropped,
// and so are lines after the 32,766th. Bytes that are not GB18030 become U+FFFD.
WordLines parseWordLines(QByteArrayView plaintext);

// Each returns whether a library was loaded into table. When none is (file
// missing, unreadable or empty), table keeps the words it held.

// Loads the library file of code, deciphering it with key.
bool LoadWordFile(const QString& code, std::string_view key, WordTable& table);

// Makes code the current library and loads its course file.
bool OpenCourse(const QString& code, WordTable& table);

// Makes the current user's personal library the current one and loads it.
bool OpenPersonalLibrary(WordTable& table);

// Opens the course list row named displayName: a course or the personal
// library. A name that is in no row loads nothing and changes nothing.
bool OpenByDisplayName(QStringView displayName, WordTable& table);

}  // namespace tawen
