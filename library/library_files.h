#pragma once

#include <QByteArrayView>
#include <QString>

#include <string_view>

#include "library/word_table.h"

// Word library files: Word/<code>.twn, the courses under the shipped files'
// folder and the personal library under the learner's root, the whole
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

// Why a library file gave no words.
enum class FileProblem { None, Missing, Folder, Unreadable, Empty, NotWordFile };

// What a load came to: true when the table took the file's words. When it
// did not, the table keeps the words it held.
struct LoadResult {
    FileProblem problem = FileProblem::None;
    explicit operator bool() const { return problem == FileProblem::None; }
};

// Loads the library file of code, deciphering it with key.
LoadResult LoadWordFile(const QString& code, std::string_view key, WordTable& table);

// Makes code the current library and loads its course file.
LoadResult OpenCourse(const QString& code, WordTable& table);

// Makes the current user's personal library the current one and loads it.
LoadResult OpenPersonalLibrary(WordTable& table);

// Opens the course list row named displayName: a course or the personal
// library. A name that is in no row loads nothing and changes nothing.
LoadResult OpenByDisplayName(QStringView displayName, WordTable& table);

}  // namespace tawen
