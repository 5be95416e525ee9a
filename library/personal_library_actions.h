#pragma once

#include <QList>

#include <optional>

#include "library/word_table.h"

// What the organizer and the error word table both do with the learner's own
// words, as the learner meets it.
namespace tawen {

// Asks for a word and its meaning in two input boxes titled "增加". Nothing
// comes back when the learner cancels, leaves a box empty, or types anything
// but English into the word (refused with a message). A hand-typed word has
// no phonetic.
std::optional<WordEntry> askForWord();

// Saves words as the whole personal library. Only once the file is written
// does the library window's course list gain or lose the row
// "用户个人生词库"; a failed write is reported and changes nothing.
bool storePersonalLibrary(const QList<WordEntry>& words);

// Says that the personal library is there but cannot be read, and so will
// not be saved over.
void reportUnreadablePersonalLibrary();

}  // namespace tawen
