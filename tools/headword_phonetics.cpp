#include "tools/headword_phonetics.h"

#include <QRegularExpression>
#include <QStringList>

namespace tawen::ipa {

namespace {

constexpr int kLongestPhrase = 3;

// Two readings are the same when they differ only in the level of stress
// (the voice's lexicon knows one) and in how the schwa is spelt.
QStringList comparable(const Pronunciation& word) {
    QStringList phones;
    for (const Phone& phone : word) {
        QString name = phone.name == QLatin1String("ax") ? QStringLiteral("ah") : phone.name;
        if (phone.stress >= 0) name += phone.stress > 0 ? u'1' : u'0';
        phones.append(name);
    }
    return phones;
}

bool isSentence(const QString& headword, qsizetype words) {
    return headword.endsWith(u'?') || headword.endsWith(u'!') ||
           (words > 1 && headword.endsWith(u'.'));
}

// The word as the dictionary spells it: lower case, without the punctuation
// around it ("Mr." and "mr" alike). The placeholders of phrase patterns read
// as the words they stand for.
QString lookupForm(const QString& word) {
    static const QRegularExpression edges(QStringLiteral("^[^\\p{L}]+|[^\\p{L}]+$"));
    const QString bare = word.toLower().remove(edges);
    if (bare == QLatin1String("sb")) return QStringLiteral("somebody");
    if (bare == QLatin1String("sth")) return QStringLiteral("something");
    if (bare == QLatin1String("sb.s") || bare == QLatin1String("sb.'s"))
        return QStringLiteral("somebody's");
    if (bare == QLatin1String("sth.s") || bare == QLatin1String("sth.'s"))
        return QStringLiteral("something's");
    return bare;
}

// The American spellings a British one may stand for (flavour, analyse,
// centre), in the order tried; the dictionary is American.
QStringList americanSpellings(const QString& word) {
    static const std::pair<QRegularExpression, QString> kRules[] = {
        {QRegularExpression(QStringLiteral("our")), QStringLiteral("or")},
        {QRegularExpression(QStringLiteral("yse$")), QStringLiteral("yze")},
        {QRegularExpression(QStringLiteral("([^aeiou])tre$")), QStringLiteral("\\1ter")},
    };
    QStringList spellings;
    for (const auto& [pattern, replacement] : kRules) {
        const QString american = QString(word).replace(pattern, replacement);
        if (american != word) spellings.append(american);
    }
    return spellings;
}

}  // namespace

QStringList spokenWords(const QString& headword) {
    static const QRegularExpression marks(QStringLiteral("\\p{Mn}"));
    static const QRegularExpression separators(QStringLiteral("[\\s\u2026\u22ef/()=&]+|\\.{2,}"));
    const QString folded = headword.normalized(QString::NormalizationForm_D).remove(marks);
    return folded.split(separators, Qt::SkipEmptyParts);
}

const char* firstPartOfSpeech(const QString& meaning) {
    static const QRegularExpression tag(QStringLiteral("^\\s*([a-z]+)\\."));
    const QString name = tag.match(meaning).captured(1);
    if (name == QLatin1String("n")) return "n";
    if (name == QLatin1String("v") || name == QLatin1String("vt") || name == QLatin1String("vi"))
        return "v";
    if (name == QLatin1String("adj") || name == QLatin1String("a")) return "j";
    return nullptr;
}

HeadwordPhonetics::HeadwordPhonetics(const PronouncingDictionary& dictionary,
                                     const FliteLexicon& lexicon)
    : dictionary_(dictionary), lexicon_(lexicon) {}

std::optional<QString> HeadwordPhonetics::ipaFor(const QString& headword, const QString& meaning) {
    const QStringList words = spokenWords(headword);
    if (words.isEmpty()) return std::nullopt;
    // Numbers are read out in many ways ("Bus 42"); such a headword gets none.
    static const QRegularExpression digit(QStringLiteral("\\d"));
    if (words.size() > kLongestPhrase || isSentence(headword.trimmed(), words.size()) ||
        headword.contains(digit))
        return QString();
    const char* partOfSpeech = firstPartOfSpeech(meaning);
    QStringList ipa;
    for (const QString& word : words) {
        const std::optional<QString> reading = dottedReading(word, partOfSpeech);
        if (!reading) return std::nullopt;
        ipa.append(*reading);
    }
    return ipa.join(u' ');
}

// Abbreviations keep their dots in the dictionary (a.m., u.k.); one it lacks
// is read piece by piece, each letter by its name (p.a., St.Bernard).
std::optional<QString> HeadwordPhonetics::dottedReading(const QString& word,
                                                        const char* partOfSpeech) {
    const QString dotted = word.toLower();
    if (dotted.contains(u'.')) {
        if (const std::optional<Pronunciation> whole = fromDictionary(dotted, partOfSpeech))
            return ipaOf(*whole);
        static const QRegularExpression pieces(QStringLiteral("[^.]+\\.?"));
        QStringList parts;
        for (const QRegularExpressionMatch& piece : pieces.globalMatch(dotted)) {
            const QString part = piece.captured();
            std::optional<Pronunciation> reading = fromDictionary(part, partOfSpeech);
            if (!reading) reading = pronounce(lookupForm(part), partOfSpeech);
            if (!reading) return std::nullopt;
            parts.append(ipaOf(*reading));
        }
        if (parts.size() > 1) return parts.join(u' ');
    }
    const std::optional<Pronunciation> reading = pronounce(lookupForm(word), partOfSpeech);
    if (!reading) return std::nullopt;
    return ipaOf(*reading);
}

std::optional<Pronunciation> HeadwordPhonetics::pronounce(const QString& word,
                                                          const char* partOfSpeech) {
    ++wordsSeen_;
    for (const QString& spelling : QStringList{word} + americanSpellings(word)) {
        if (std::optional<Pronunciation> known = fromDictionary(spelling, partOfSpeech)) {
            ++wordsInDictionary_;
            return known;
        }
    }
    // A compound the dictionary lacks (pencil-box) is read part by part, the
    // rules reading only what no part of the dictionary covers.
    if (word.contains(u'-')) {
        Pronunciation whole;
        for (const QString& part : word.split(u'-', Qt::SkipEmptyParts)) {
            std::optional<Pronunciation> reading = fromDictionary(part, partOfSpeech);
            if (!reading) reading = lexicon_.lookup(part, partOfSpeech);
            if (!reading) return std::nullopt;
            whole.insert(whole.end(), reading->begin(), reading->end());
        }
        return whole;
    }
    return lexicon_.lookup(word, partOfSpeech);
}

std::optional<Pronunciation> HeadwordPhonetics::fromDictionary(const QString& word,
                                                               const char* partOfSpeech) {
    const QList<Pronunciation> readings = dictionary_.readings(word);
    if (readings.isEmpty()) return std::nullopt;
    const std::optional<Pronunciation> voiced = lexicon_.lookup(word, partOfSpeech);
    if (!voiced) return readings.front();
    for (const Pronunciation& reading : readings) {
        if (comparable(reading) == comparable(*voiced)) return reading;
    }
    // The voice's lexicon knows a reading for this part of speech that the
    // dictionary lacks (export as a verb).
    const std::optional<Pronunciation> usual = lexicon_.lookup(word, nullptr);
    if (partOfSpeech != nullptr && usual && comparable(*usual) != comparable(*voiced))
        return voiced;
    return readings.front();
}

}  // namespace tawen::ipa
