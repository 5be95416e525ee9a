#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <array>
#include <vector>

namespace tawen {

// One word of a library: the three fields of its line.
struct WordEntry {
    QString word;
    QString meaning;
    QString phonetic;

    bool operator==(const WordEntry&) const = default;
};

// The words of a library as one text with the place of every field in it. A
// full library is a single string and a few numbers per word, instead of
// three strings per word; a field becomes a string of its own only when asked.
class WordLines {
  public:
    static constexpr int FieldCount = 3;

    // Where one field lies in the text.
    struct Span {
        quint32 begin = 0;
        quint32 length = 0;
    };
    using Row = std::array<Span, FieldCount>;

    WordLines() = default;
    WordLines(QString text, std::vector<Row> rows);
    explicit WordLines(const QList<WordEntry>& entries);

    qsizetype size() const { return qsizetype(rows_.size()); }
    // field 0 is the word, 1 the meaning, 2 the phonetic.
    QStringView field(qsizetype row, int field) const;
    WordEntry operator[](qsizetype row) const;

  private:
    QString text_;
    std::vector<Row> rows_;
};

// The words of the loaded library, as the library window's grid shows them:
// column 0 the row number, then word, meaning and phonetic. The model has one
// row per word; the grid-style accessors count the header as row 0, so word r
// (from 1) is row r there, as the study windows address it.
class WordTable : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int ColumnCount = 4;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Replaces every word at once, in a single model reset.
    void setWords(WordLines words);
    void setWords(const QList<WordEntry>& words) { setWords(WordLines(words)); }

    int wordCount() const;
    // Words plus the header row.
    int Rows() const;
    // Row 0 is the header; a cell outside the table is empty.
    QString TextMatrix(int row, int column) const;

  private:
    QString cell(int wordIndex, int column) const;

    WordLines words_;
};

}  // namespace tawen
