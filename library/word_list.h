#pragma once

#include "library/word_table.h"

class QTreeWidget;
class QTreeWidgetItem;

// The report-view word lists of the organizer and the error word table: the
// columns 单词 and 解释, one item per word, the phonetic carried along unseen
// so that it reaches the personal library with its word.
namespace tawen {

QTreeWidget* newWordList();

QTreeWidgetItem* appendWord(QTreeWidget& list, const WordEntry& entry);

WordEntry wordOf(const QTreeWidgetItem& item);

}  // namespace tawen
