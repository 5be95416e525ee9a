#include "tools/ipa_style.h"

#include <optional>
#include <vector>

#include "tools/ipa_table.h"

namespace tawen::ipa {

namespace {

enum class Kind { Vowel, Consonant, Stress };

struct Token {
    Kind kind;
    QString symbol;
};

// The table's symbol that is longest at `at` ("tʃ" before "t"), if any.
std::optional<Token> tokenAt(QStringView word, qsizetype at) {
    if (word[at] == kPrimaryStress || word[at] == kSecondaryStress)
        return Token{Kind::Stress, word[at]};
    std::optional<Token> best;
    const auto consider = [&](const QStringList& symbols, Kind kind) {
        for (const QString& symbol : symbols) {
            if (word.sliced(at).startsWith(symbol) &&
                (!best || symbol.size() > best->symbol.size()))
                best = Token{kind, symbol};
        }
    };
    consider(vowelSymbols(), Kind::Vowel);
    consider(consonantSymbols(), Kind::Consonant);
    return best;
}

// Whether the consonants after a stress mark are the whole onset of their
// syllable: they may begin a syllable, and the consonant before them could
// not join them (maximal onset).
bool atOnset(const QStringList& before, const QStringList& after, bool firstSyllable) {
    if (!isLegalOnset(after)) return false;
    if (firstSyllable) return before.isEmpty();
    return before.isEmpty() || !isLegalOnset(QStringList{before.back()} + after);
}

void checkStress(const QString& word, const std::vector<Token>& tokens, QStringList& problems) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Stress) continue;
        QStringList before;
        bool firstSyllable = true;
        bool doubled = false;
        for (size_t j = i; j > 0; --j) {
            const Token& t = tokens[j - 1];
            if (t.kind == Kind::Vowel) {
                firstSyllable = false;
                break;
            }
            if (t.kind == Kind::Stress) doubled = true;
            before.prepend(t.symbol);
        }
        QStringList after;
        bool vowelFollows = false;
        for (size_t j = i + 1; j < tokens.size() && !vowelFollows; ++j) {
            if (tokens[j].kind == Kind::Stress) break;
            vowelFollows = tokens[j].kind == Kind::Vowel;
            if (!vowelFollows) after.append(tokens[j].symbol);
        }
        if (doubled || !vowelFollows || !atOnset(before, after, firstSyllable)) {
            problems.append(QStringLiteral("重音符号不在音节开头：%1").arg(word));
            return;
        }
    }
}

void checkWord(const QString& word, QStringList& problems) {
    std::vector<Token> tokens;
    for (qsizetype at = 0; at < word.size();) {
        if (const std::optional<Token> token = tokenAt(word, at)) {
            tokens.push_back(*token);
            at += token->symbol.size();
            continue;
        }
        if (word[at] == QChar(0x0279)) {
            problems.append(QStringLiteral("用了“ɹ”，应写“r”：%1").arg(word));
        } else {
            problems.append(QStringLiteral("音标表外的符号“%1”：%2").arg(word[at]).arg(word));
        }
        return;
    }
    checkStress(word, tokens, problems);
}

}  // namespace

QStringList ipaStyleProblems(const QString& field) {
    QString ipa = field;
    if (ipa.startsWith(u'[') && ipa.endsWith(u']')) ipa = ipa.mid(1, ipa.size() - 2);
    QStringList problems;
    for (const QString& word : ipa.split(u' ', Qt::SkipEmptyParts)) checkWord(word, problems);
    return problems;
}

}  // namespace tawen::ipa
