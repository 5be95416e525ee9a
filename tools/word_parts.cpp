#include "tools/word_parts.h"

#include <QStringList>

namespace tawen::ipa {

namespace {

// A compound's parts are content words of at least three letters, or one of
// these short ones (up|river, on|stage, out|do).
constexpr const char* kShortWords[] = {"up", "on", "do", "go", "by"};

// Words that join others without making a compound a learner hears as two
// words (my|self, what|ever, how|ever, more|over), and prefixes that are
// words too but are not heard apart (mis|take, dis|tress, con|join).
constexpr const char* kNotParts[] = {
    "how",    "what", "when", "where", "who",   "whom",  "which", "why",  "with", "him",  "her",
    "his",    "its",  "your", "our",   "them",  "there", "here",  "more", "ever", "self", "selves",
    "soever", "one",  "dis",  "mis",   "con",   "com",   "pro",   "per",  "pre",  "sub",  "ant",
    "for",    "the",  "than", "ward",  "wards", "trans", "mal",   "imp",  "syn",  "des",
};

// Prefixes of words the dictionary lacks, with how they are read: those a
// learners' dictionary gives a stress of their own carry a secondary one,
// heard apart from the word after them; un keeps its full vowel unstressed.
struct Affix {
    const char* letters;
    const char* phones;
    bool heardApart = true;
};

constexpr Affix kPrefixes[] = {
    {"inter", "IH2 N T ER0"},
    {"multi", "M AH2 L T IY0"},
    {"micro", "M AY2 K R OW0"},
    {"super", "S UW2 P ER0"},
    {"under", "AH2 N D ER0"},
    {"anti", "AE2 N T IY0"},
    {"semi", "S EH2 M IY0"},
    {"over", "OW2 V ER0"},
    {"post", "P OW2 S T"},
    {"non", "N AA2 N"},
    {"mid", "M IH2 D"},
    {"out", "AW2 T"},
    {"pre", "P R IY0"},
    {"un", "AH2 N", false},
    {"re", "R IY0"},
    {"in", "IH0 N"},
    {"im", "IH0 M"},
};

// Suffixes, unstressed, and second words that read as suffixes (tooth|some).
constexpr Affix kSuffixes[] = {
    {"ness", "N AH0 S"}, {"less", "L AH0 S"},   {"ful", "F AH0 L"},     {"ally", "L IY0"},
    {"ly", "L IY0"},     {"ment", "M AH0 N T"}, {"ship", "SH IH0 P"},   {"hood", "HH UH0 D"},
    {"some", "S AH0 M"}, {"dom", "D AH0 M"},    {"fold", "F OW0 L D"},  {"like", "L AY0 K"},
    {"wise", "W AY0 Z"}, {"ward", "W ER0 D"},   {"wards", "W ER0 D Z"}, {"er", "ER0"},
    {"ing", "IH0 NG"},
};

constexpr qsizetype kShortestPart = 3;

bool listed(const QString& word, const auto& list) {
    for (const char* entry : list) {
        if (word == QLatin1String(entry)) return true;
    }
    return false;
}

bool canBePart(const QString& part) {
    if (listed(part, kNotParts)) return false;
    return part.size() >= kShortestPart || listed(part, kShortWords);
}

// The phones without their stress, the schwa spelt one way.
QStringList phonesOf(const Pronunciation& reading) {
    QStringList names;
    for (const Phone& phone : reading)
        names.append(phone.name == QLatin1String("ax") ? QStringLiteral("ah") : phone.name);
    return names;
}

Pronunciation joined(Pronunciation first, const Pronunciation& second, bool heardApart = true) {
    const size_t join = first.size();
    first.insert(first.end(), second.begin(), second.end());
    first[join].beginsWord = heardApart;
    return first;
}

// The ways a stem may be spelt before a suffix: shap|er for shape before a
// vowel, as it is, easi|ly for easy, fann|er for fan.
QStringList stemSpellings(const QString& stem, QLatin1String suffix) {
    QStringList spellings{stem};
    if (QStringLiteral("aeiou").contains(suffix.front())) spellings.prepend(stem + u'e');
    if (stem.endsWith(u'i')) spellings.append(stem.chopped(1) + u'y');
    if (stem.size() > 2 && stem.back() == stem[stem.size() - 2]) spellings.append(stem.chopped(1));
    return spellings;
}

}  // namespace

WordParts::WordParts(const PronouncingDictionary& dictionary) : dictionary_(dictionary) {}

std::optional<Pronunciation> WordParts::firstReading(const QString& word) const {
    const QList<Pronunciation> readings = dictionary_.readings(word);
    if (readings.isEmpty()) return std::nullopt;
    return readings.front();
}

void WordParts::markJoin(const QString& word, Pronunciation& reading) const {
    const QStringList whole = phonesOf(reading);
    for (qsizetype split = 1; split < word.size(); ++split) {
        const bool hyphen = word[split] == u'-';
        const QString first = word.first(split);
        const QString second = word.sliced(hyphen ? split + 1 : split);
        if (!canBePart(first) || !canBePart(second)) continue;
        for (const Pronunciation& a : dictionary_.readings(first)) {
            const QStringList start = phonesOf(a);
            if (whole.mid(0, start.size()) != start) continue;
            for (const Pronunciation& b : dictionary_.readings(second)) {
                if (start + phonesOf(b) != whole) continue;
                reading[a.size()].beginsWord = true;
                return;
            }
        }
    }
}

std::optional<Pronunciation> WordParts::fromParts(const QString& word) const {
    if (std::optional<Pronunciation> reading = withPrefix(word)) return reading;
    if (std::optional<Pronunciation> reading = withSuffix(word)) return reading;
    return ofTwoWords(word);
}

std::optional<Pronunciation> WordParts::withPrefix(const QString& word) const {
    for (const Affix& prefix : kPrefixes) {
        const QLatin1String letters(prefix.letters);
        if (!word.startsWith(letters) || word.size() - letters.size() < kShortestPart) continue;
        if (const std::optional<Pronunciation> stem = firstReading(word.sliced(letters.size())))
            return joined(*parseArpabet(QString::fromLatin1(prefix.phones)), *stem,
                          prefix.heardApart);
    }
    return std::nullopt;
}

std::optional<Pronunciation> WordParts::withSuffix(const QString& word) const {
    for (const Affix& suffix : kSuffixes) {
        const QLatin1String letters(suffix.letters);
        if (!word.endsWith(letters)) continue;
        for (const QString& stem : stemSpellings(word.chopped(letters.size()), letters)) {
            if (stem.size() < kShortestPart) continue;
            std::optional<Pronunciation> reading = firstReading(stem);
            if (!reading) continue;
            const Pronunciation ending = *parseArpabet(QString::fromLatin1(suffix.phones));
            // plentiful|ly: the l is said once
            auto from = ending.begin();
            if (reading->back().stress < 0 && reading->back().name == from->name) ++from;
            reading->insert(reading->end(), from, ending.end());
            return reading;
        }
    }
    return std::nullopt;
}

std::optional<Pronunciation> WordParts::ofTwoWords(const QString& word) const {
    static const QString vowels = QStringLiteral("aeiouy");
    for (qsizetype split = kShortestPart; split + kShortestPart <= word.size(); ++split) {
        const QString first = word.first(split);
        const QString second = word.sliced(split);
        if (!canBePart(first) || !canBePart(second)) continue;
        // Words joined into one are mostly a consonant or a silent e meeting a
        // consonant (school|bag, horse|fly); other joins are mostly learned
        // forms (hydro|sphere, organ|elle) a learner does not hear as two words.
        if ((vowels.contains(first.back()) && first.back() != u'e') ||
            vowels.contains(second.front()))
            continue;
        const std::optional<Pronunciation> a = firstReading(first);
        std::optional<Pronunciation> b = firstReading(second);
        if (!a || !b) continue;
        // The first word leads, as in most compounds written as one word.
        for (Phone& phone : *b) {
            if (phone.stress > 0) phone.stress = phone.stress == 1 ? 2 : 0;
        }
        return joined(*a, *b);
    }
    return std::nullopt;
}

}  // namespace tawen::ipa
