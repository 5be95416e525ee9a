#include "library/word_table.h"

#include <array>
#include <utility>

namespace tawen {

namespace {

const std::array<QString, WordTable::ColumnCount> Headers = {
    QStringLiteral("序号"), QStringLiteral("单词"), QStringLiteral("解释"), QStringLiteral("音标")};

}  // namespace

WordLines::WordLines(QString text, std::vector<Row> rows)
    : text_(std::move(text)), rows_(std::move(rows)) {}

WordLines::WordLines(const QList<WordEntry>& entries) {
    rows_.reserve(size_t(entries.size()));
    for (const WordEntry& entry : entries) {
        Row row;
        const std::array<const QString*, FieldCount> fields{&entry.word, &entry.meaning,
                                                            &entry.phonetic};
        for (int n = 0; n < FieldCount; ++n) {
            row[n] = {quint32(text_.size()), quint32(fields[n]->size())};
            text_ += *fields[n];
        }
        rows_.push_back(row);
    }
}

QStringView WordLines::field(qsizetype row, int field) const {
    const Span span = rows_[size_t(row)][field];
    return QStringView(text_).sliced(span.begin, span.length);
}

WordEntry WordLines::operator[](qsizetype row) const {
    return {field(row, 0).toString(), field(row, 1).toString(), field(row, 2).toString()};
}

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

void WordTable::setWords(WordLines words) {
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
    if (column == 0) return QString::number(wordIndex + 1);
    return words_.field(wordIndex, column - 1).toString();
}

}  // namespace tawen
