#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace tawen {

// One word of a library: the three fields of its line.
struct WordEntry {
    QString word;
    QString meaning;
    QString phonetic;

    bool operator==(const WordEntry&) const = default;
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
    void setWords(QList<WordEntry> words);

    int wordCount() const;
    // Words plus the header row.
    int Rows() const;
    // Row 0 is the header; a cell outside the table is empty.
    QString TextMatrix(int row, int column) const;

  private:
    QString cell(int wordIndex, int column) const;

    QList<WordEntry> words_;
};

}  // namespace tawen
