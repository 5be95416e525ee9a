#include "study/similar_words.h"

#include <QStringList>

namespace tawen {

namespace {

constexpr qsizetype kShared = 3;

// Both passes walk the rows in order and compare the same three-character
// end of each word with the shown word's; the passes differ only in which end.
template <class Rows>
QString similarLines(const QString& word, qsizetype rowCount, Rows row) {
    QStringList lines;
    const auto pass = [&](auto end) {
        const QString key = end(word);
        for (qsizetype i = 0; i < rowCount; ++i) {
            const auto [english, chinese] = row(i);
            if (end(english) == key && english != word)
                lines.append(english + QStringLiteral("     ") + chinese + QStringLiteral("  "));
        }
    };
    pass([](const QString& text) { return text.left(kShared); });
    pass([](const QString& text) { return text.right(kShared); });
    return lines.join(u'\n');
}

}  // namespace

QString SimilarWords(const QString& word, const QList<WordEntry>& words) {
    return similarLines(word, words.size(), [&words](qsizetype i) {
        return std::pair<QString, QString>(words[i].word, words[i].meaning);
    });
}

QString SimilarWords(const QString& word, const WordTable& table) {
    // Grid row 0 is the header; the words are rows 1 to Rows() - 1.
    return similarLines(word, table.wordCount(), [&table](qsizetype i) {
        const int row = int(i) + 1;
        return std::pair<QString, QString>(table.TextMatrix(row, 1), table.TextMatrix(row, 2));
    });
}

}  // namespace tawen
