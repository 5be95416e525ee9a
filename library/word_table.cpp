#include "library/word_table.h"

#include <array>
#include <utility>

namespace tawen {

namespace {

const std::array<QString, WordTable::ColumnCount> Headers = {
    QStringLiteral("序号"), QStringLiteral("单词"), QStringLiteral("解释"), QStringLiteral("音标")};

}  // namespace

int WordTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : wordCount();
}

int WordTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordTable::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    return cell(index.row(), index.column());
}

QVariant WordTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return Headers[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void WordTable::setWords(QList<WordEntry> words) {
    beginResetModel();
    words_ = std::move(words);
    endResetModel();
}

int WordTable::wordCount() const { return int(words_.size()); }

int WordTable::Rows() const { return wordCount() + 1; }

QString WordTable::TextMatrix(int row, int column) const {
    if (column < 0 || column >= ColumnCount || row < 0 || row > wordCount()) return {};
    return row == 0 ? Headers[column] : cell(row - 1, column);
}

QString WordTable::cell(int wordIndex, int column) const {
    const WordEntry& entry = words_[wordIndex];
    switch (column) {
        case 0:
            return QString::number(wordIndex + 1);
        case 1:
            return entry.word;
        case 2:
            return entry.meaning;
        default:
            return entry.phonetic;
    }
}

}  // namespace tawen
