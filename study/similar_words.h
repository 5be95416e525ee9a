#pragma once

#include <QList>
#include <QString>

#include "library/word_table.h"

// The similar-word list of the first-learn window: the words of the whole
// library that begin with the same three letters as the word shown, then
// those that end with the same three letters.
namespace tawen {

// One line per similar word, "word" + five blanks + "meaning" + two blanks,
// joined by line feeds. The first pass lists words sharing the first three
// characters, the second words sharing the last three, each in table order;
// a word found by both passes is listed twice. The word itself is never
// listed, so a word of fewer than three letters (which only its exact equals
// could match) gets an empty list. Letter case counts.
QString SimilarWords(const QString& word, const QList<WordEntry>& words);

// The same over every word row of the library window's table.
QString SimilarWords(const QString& word, const WordTable& table);

}  // namespace tawen
