#include "tools/ipa_table.h"

#include <algorithm>
#include <iterator>

namespace tawen::ipa {

namespace {

// The vowels. Long vowels carry the length mark as learners' dictionaries
// print them; "ah" is the strong ʌ only under stress, the schwa otherwise, and
// "er" likewise ɝː or ɚ. An unstressed "iy" is the short i of happy and
// react, never the full iː of see.
struct VowelRow {
    const char* arpabet;
    const char* unstressed;
    const char* stressed;
};

constexpr VowelRow kVowels[] = {
    {"aa", "ɑː", "ɑː"},  // father, hot
    {"ae", "æ", "æ"},    // cat
    {"ah", "ə", "ʌ"},    // about, cut
    {"ao", "ɔː", "ɔː"},  // law, more
    {"aw", "aʊ", "aʊ"},  // now
    {"ax", "ə", "ə"},    // the letter-to-sound rules' schwa
    {"ay", "aɪ", "aɪ"},  // my
    {"eh", "ɛ", "ɛ"},    // bed
    {"er", "ɚ", "ɝː"},   // teacher, bird
    {"ey", "eɪ", "eɪ"},  // day
    {"ih", "ɪ", "ɪ"},    // sit
    {"iy", "i", "iː"},   // happy, see
    {"ow", "oʊ", "oʊ"},  // go
    {"oy", "ɔɪ", "ɔɪ"},  // boy
    {"uh", "ʊ", "ʊ"},    // book
    {"uw", "uː", "uː"},  // too, contribute
};

// The consonants; r is written "r", as learners' dictionaries write it.
struct ConsonantRow {
    const char* arpabet;
    const char* ipa;
};

constexpr ConsonantRow kConsonants[] = {
    {"b", "b"},  {"ch", "tʃ"}, {"d", "d"}, {"dh", "ð"}, {"f", "f"},  {"g", "ɡ"},
    {"hh", "h"}, {"jh", "dʒ"}, {"k", "k"}, {"l", "l"},  {"m", "m"},  {"n", "n"},
    {"ng", "ŋ"}, {"p", "p"},   {"r", "r"}, {"s", "s"},  {"sh", "ʃ"}, {"t", "t"},
    {"th", "θ"}, {"v", "v"},   {"w", "w"}, {"y", "j"},  {"z", "z"},  {"zh", "ʒ"},
};

// Onsets of more than one consonant that English words begin with, in
// General American (no j after t, d, n, s, l, θ: tune, due, new, suit).
constexpr const char* kClusterOnsets[] = {
    "pl", "pr", "pj",  "bl",  "br",  "bj",  "tr",  "tw",  "dr",  "dw",  "kl",
    "kr", "kw", "kj",  "ɡl",  "ɡr",  "ɡw",  "ɡj",  "fl",  "fr",  "fj",  "vj",
    "θr", "θw", "ʃr",  "mj",  "hj",  "sp",  "st",  "sk",  "sm",  "sn",  "sl",
    "sw", "sf", "spl", "spr", "spj", "str", "skr", "skl", "skw", "skj",
};

const VowelRow* vowelRow(QStringView arpabet) {
    for (const VowelRow& row : kVowels) {
        if (arpabet.compare(QLatin1String(row.arpabet), Qt::CaseInsensitive) == 0) return &row;
    }
    return nullptr;
}

}  // namespace

bool isArpabetVowel(QStringView arpabet) { return vowelRow(arpabet) != nullptr; }

std::optional<QString> symbolFor(QStringView arpabet, int stress) {
    if (const VowelRow* row = vowelRow(arpabet)) {
        return QString::fromUtf8(stress > 0 ? row->stressed : row->unstressed);
    }
    for (const ConsonantRow& row : kConsonants) {
        if (arpabet.compare(QLatin1String(row.arpabet), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(row.ipa);
    }
    return std::nullopt;
}

const QStringList& vowelSymbols() {
    static const QStringList symbols = [] {
        QStringList all;
        for (const VowelRow& row : kVowels) {
            for (const char* form : {row.unstressed, row.stressed}) {
                if (!all.contains(QString::fromUtf8(form))) all.append(QString::fromUtf8(form));
            }
        }
        return all;
    }();
    return symbols;
}

const QStringList& consonantSymbols() {
    static const QStringList symbols = [] {
        QStringList all;
        for (const ConsonantRow& row : kConsonants) all.append(QString::fromUtf8(row.ipa));
        return all;
    }();
    return symbols;
}

bool isLegalOnset(const QStringList& consonants) {
    if (consonants.isEmpty()) return true;
    if (consonants.size() == 1) return consonants.front() != QStringLiteral("ŋ");
    const QString joined = consonants.join(QString());
    return std::any_of(std::begin(kClusterOnsets), std::end(kClusterOnsets),
                       [&](const char* onset) { return joined == QString::fromUtf8(onset); });
}

}  // namespace tawen::ipa
