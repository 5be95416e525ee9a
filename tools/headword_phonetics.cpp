#include "tools/headword_phonetics.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

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
// centre, socialise, haemolytic, instalment, travelling), in the order
// tried; the dictionary is American.
QStringList americanSpellings(const QString& word) {
    static const std::pair<QRegularExpression, QString> kRules[] = {
        {QRegularExpression(QStringLiteral("our")), QStringLiteral("or")},
        {QRegularExpression(QStringLiteral("yse$")), QStringLiteral("yze")},
        {QRegularExpression(QStringLiteral("is(e|ed|es|ing|ation|ations|er|ers)$")),
         QStringLiteral("iz\\1")},
        {QRegularExpression(QStringLiteral("([^aeiou])re(s?)$")), QStringLiteral("\\1er\\2")},
        {QRegularExpression(QStringLiteral("([^aeiou])(ae|oe)")), QStringLiteral("\\1e")},
        {QRegularExpression(QStringLiteral("ll(ed|ing|er|ers)$")), QStringLiteral("l\\1")},
        {QRegularExpression(QStringLiteral("([^l])l(ment|ments)?$")), QStringLiteral("\\1ll\\2")},
        {QRegularExpression(QStringLiteral("ogue$")), QStringLiteral("og")},
        {QRegularExpression(QStringLiteral("ence$")), QStringLiteral("ense")},
        {QRegularExpression(QStringLiteral("mme$")), QStringLiteral("m")},
    };
    QStringList spellings;
    for (const auto& [pattern, replacement] : kRules) {
        const QString american = QString(word).replace(pattern, replacement);
        if (american != word) spellings.append(american);
    }
    return spellings;
}

// Capitals (CD, USA) and single letters with dots (a.m., U.K.) are read
// letter by letter, each letter by its name.
bool isInitialism(const QString& word) {
    static const QRegularExpression capitals(QStringLiteral("^[A-Z]{2,}$"));
    static const QRegularExpression dotted(QStringLiteral("^([a-z]\\.)+[a-z]?$"));
    const QString bare = QString(word).remove(QRegularExpression(QStringLiteral("[^\\p{L}.]")));
    return capitals.match(QString(bare).remove(u'.')).hasMatch() ||
           dotted.match(bare.toLower()).hasMatch();
}

// Capitals the dictionary lacks are spelt out when they are this short
// (CIF); longer ones are mostly said as words.
constexpr qsizetype kLongestSpeltOut = 3;

}  // namespace

QStringList spokenWords(const QString& headword) {
    static const QRegularExpression marks(QStringLiteral("\\p{Mn}"));
    static const QRegularExpression separators(QStringLiteral("[\\s\u2026\u22ef/()=&]+|\\.{2,}"));
    const QString folded = headword.normalized(QString::NormalizationForm_D).remove(marks);
    return folded.split(separators, Qt::SkipEmptyParts);
}

bool takesPhonetic(const QString& headword) {
    static const QRegularExpression digit(QStringLiteral("\\d"));
    const qsizetype words = spokenWords(headword).size();
    return words <= kLongestPhrase && !isSentence(headword.trimmed(), words) &&
           !headword.contains(digit);
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
    : dictionary_(dictionary), lexicon_(lexicon), parts_(dictionary) {}

std::optional<QString> HeadwordPhonetics::ipaFor(const QString& headword, const QString& meaning) {
    const QStringList words = spokenWords(headword);
    if (words.isEmpty()) return std::nullopt;
    if (!takesPhonetic(headword)) return QString();
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
    const StressSource source =
        isInitialism(word) ? StressSource::Letters : StressSource::Dictionary;
    if (dotted.contains(u'.')) {
        if (const std::optional<Pronunciation> whole = fromDictionary(dotted, partOfSpeech))
            return ipaOf(*whole, source);
        static const QRegularExpression pieces(QStringLiteral("[^.]+\\.?"));
        QStringList parts;
        for (const QRegularExpressionMatch& piece : pieces.globalMatch(dotted)) {
            const QString part = piece.captured();
            std::optional<Reading> reading;
            if (std::optional<Pronunciation> known = fromDictionary(part, partOfSpeech))
                reading = Reading{*known};
            else
                reading = pronounce(lookupForm(part), partOfSpeech, StressSource::Dictionary);
            if (!reading) return std::nullopt;
            parts.append(ipaOf(reading->phones, reading->stresses));
        }
        if (parts.size() > 1) return parts.join(u' ');
    }
    const std::optional<Reading> reading = pronounce(lookupForm(word), partOfSpeech, source);
    if (!reading) return std::nullopt;
    return ipaOf(reading->phones, reading->stresses);
}

std::optional<HeadwordPhonetics::Reading> HeadwordPhonetics::pronounce(const QString& word,
                                                                       const char* partOfSpeech,
                                                                       StressSource source) {
    ++wordsSeen_;
    for (const QString& spelling : QStringList{word} + americanSpellings(word)) {
        if (std::optional<Pronunciation> known = fromDictionary(spelling, partOfSpeech)) {
            ++wordsInDictionary_;
            return Reading{*known, source};
        }
    }
    if (source == StressSource::Letters && word.size() <= kLongestSpeltOut) {
        if (std::optional<Pronunciation> spelt = byLetterNames(word))
            return Reading{*spelt, StressSource::Letters};
    }
    return withoutDictionary(word, partOfSpeech);
}

std::optional<HeadwordPhonetics::Reading> HeadwordPhonetics::withoutDictionary(
    const QString& word, const char* partOfSpeech) {
    // A compound the dictionary lacks (pencil-box) is read part by part, the
    // rules reading only what no part of the dictionary covers.
    if (word.contains(u'-')) {
        Pronunciation whole;
        for (const QString& part : word.split(u'-', Qt::SkipEmptyParts)) {
            std::optional<Pronunciation> reading = fromDictionary(part, partOfSpeech);
            if (!reading) reading = lexicon_.lookup(part, partOfSpeech);
            if (!reading) return std::nullopt;
            if (!whole.empty()) reading->front().beginsWord = true;
            whole.insert(whole.end(), reading->begin(), reading->end());
        }
        return Reading{whole};
    }
    if (std::optional<Pronunciation> built = parts_.fromParts(word)) return Reading{*built};
    if (std::optional<Pronunciation> guessed = lexicon_.lookup(word, partOfSpeech))
        return Reading{*guessed, StressSource::Rules};
    return std::nullopt;
}

// Each letter by the reading of it that is stressed: the name (a as eɪ, not ə).
std::optional<Pronunciation> HeadwordPhonetics::byLetterNames(const QString& letters) const {
    Pronunciation spelt;
    for (const QChar letter : letters) {
        const QList<Pronunciation> readings = dictionary_.readings(QString(letter));
        const auto named = std::find_if(readings.begin(), readings.end(), [](const auto& reading) {
            return std::any_of(reading.begin(), reading.end(),
                               [](const Phone& phone) { return phone.stress == 1; });
        });
        if (named == readings.end()) return std::nullopt;
        spelt.insert(spelt.end(), named->begin(), named->end());
    }
    return spelt;
}

std::optional<Pronunciation> HeadwordPhonetics::fromDictionary(const QString& word,
                                                               const char* partOfSpeech) {
    std::optional<Pronunciation> reading = choose(word, partOfSpeech);
    if (reading) parts_.markJoin(word, *reading);
    return reading;
}

std::optional<Pronunciation> HeadwordPhonetics::choose(const QString& word,
                                                       const char* partOfSpeech) const {
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
