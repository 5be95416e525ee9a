#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

#include "library/word_table.h"

// The learner's own word library, Word/User<name>.twn, and its backups: the
// plaintext lines word#meaning#phonetic of the course files, enciphered with
// the personal key (the library) or the backup key (a backup). Everything is
// deciphered and enciphered in memory, so no working file can be left behind
// for a later operation to read back.
namespace tawen {

// Lines as the library keeps them: every line becomes a word, a line without
// "#" a word with an empty meaning, so reading and writing back loses nothing.
// CR LF and a lone CR end a line; a break after the last line adds none.
QList<WordEntry> parsePersonalLines(QByteArrayView plaintext);

// A backup's lines, or nothing when the bytes are not a backup: no line at
// all, a line without "#", or bytes that are not GB18030 text (what a file
// enciphered with another key, or none, deciphers to).
std::optional<QList<WordEntry>> parseBackupLines(QByteArrayView plaintext);

// word#meaning, then #phonetic when there is one; each line ends in CR LF.
QByteArray personalLines(const QList<WordEntry>& words);

// The current user's personal library file.
QString personalLibraryPath();

// The words of the personal library: none when the file is absent or empty;
// nothing when it is there but cannot be read, so that no caller replaces a
// library it never saw.
std::optional<QList<WordEntry>> readPersonalLibrary();

// Replaces the personal library with words, or removes it when there are
// none. On failure the old file stays exactly as it was.
bool writePersonalLibrary(const QList<WordEntry>& words);

// Writes words as a backup at path; an empty list writes no file.
bool writeBackup(const QString& path, const QList<WordEntry>& words);

// The words of the backup at path; nothing when it cannot be read, is empty,
// or is not a backup.
std::optional<QList<WordEntry>> readBackup(const QString& path);

// The words a learner may add: printable ASCII only (a space and a hyphen
// are fine, a Chinese character or a control character is not).
bool isEnglishWord(QStringView word);

}  // namespace tawen
