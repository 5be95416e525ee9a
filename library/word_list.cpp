#include "library/word_list.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace tawen {

namespace {

constexpr int kPhoneticRole = Qt::UserRole;

}  // namespace

QTreeWidget* newWordList() {
    auto* list = new QTreeWidget;
    list->setHeaderLabels({QStringLiteral("单词"), QStringLiteral("解释")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(true);
    return list;
}

QTreeWidgetItem* appendWord(QTreeWidget& list, const WordEntry& entry) {
    auto* item = new QTreeWidgetItem(&list, {entry.word, entry.meaning});
    item->setData(0, kPhoneticRole, entry.phonetic);
    return item;
}

WordEntry wordOf(const QTreeWidgetItem& item) {
    return {item.text(0), item.text(1), item.data(0, kPhoneticRole).toString()};
}

}  // namespace tawen
