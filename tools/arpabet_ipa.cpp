#include "tools/arpabet_ipa.h"

#include <QStringList>

#include "tools/ipa_table.h"

namespace tawen::ipa {

namespace {

bool isVowel(const Phone& phone) { return phone.stress >= 0; }

// An r-coloured vowel before another vowel is a vowel and an r that begins
// the next syllable, as learners' dictionaries write it (/ˌɑːpəˈreɪʃən/,
// /ˈwɝːri/), not /ˌɑːpɚˈeɪʃən/.
Pronunciation withLinkingR(const Pronunciation& word) {
    Pronunciation linked;
    for (size_t i = 0; i < word.size(); ++i) {
        linked.push_back(word[i]);
        if (word[i].name != QLatin1String("er") || i + 1 == word.size() || !isVowel(word[i + 1]))
            continue;
        if (word[i].stress == 0) linked.back().name = QStringLiteral("ax");
        linked.push_back(Phone{QStringLiteral("r")});
    }
    return linked;
}

// Where the syllable of the vowel at `vowel` begins: after the previous vowel,
// where a compound's second word begins (unless it begins with sf, which
// begins no syllable inside a word), or else at the longest legal onset of
// the consonants in between.
size_t onsetStart(const Pronunciation& word, size_t vowel) {
    size_t start = vowel;
    while (start > 0 && !isVowel(word[start - 1])) --start;
    if (start == 0) return 0;  // the first syllable takes every consonant before it
    QStringList onset;
    for (size_t i = vowel; i > start; --i) onset.prepend(*symbolFor(word[i - 1].name, -1));
    for (size_t i = start; i < vowel; onset.removeFirst(), ++i) {
        if (word[i].beginsWord && isLegalOnset(onset)) return i;
    }
    size_t best = vowel;
    for (size_t i = vowel; i > start; --i) {
        onset.prepend(*symbolFor(word[i - 1].name, -1));
        if (!isLegalOnset(onset)) break;
        best = i - 1;
    }
    return best;
}

enum class Mark { None, Primary, Secondary, Dropped };

// One syllable of a word: where its vowel stands, where it begins, and the
// stress the source gives it.
struct Syllable {
    size_t vowel;
    size_t onset;
    int stress;
};

std::vector<Syllable> syllablesOf(const Pronunciation& word) {
    std::vector<Syllable> syllables;
    for (size_t i = 0; i < word.size(); ++i) {
        if (isVowel(word[i])) syllables.push_back({i, onsetStart(word, i), word[i].stress});
    }
    return syllables;
}

// Whether the secondary stress of syllable `before`, right before the main
// one, is heard: at a compound's join, or on a closed syllable that is not
// the word's first.
bool heardBeforeMain(const Pronunciation& word, const std::vector<Syllable>& syllables,
                     size_t before) {
    const Syllable& main = syllables[before + 1];
    for (size_t i = syllables[before].vowel + 1; i <= main.vowel; ++i) {
        if (word[i].beginsWord) return true;
    }
    return before > 0 && main.onset > syllables[before].vowel + 1;
}

// The mark each syllable is written with: the last primary stays primary,
// earlier ones become secondary; a word with secondary stress only has its
// first one promoted, a word of the rules without any stress is stressed on
// its first syllable. The dictionary's secondary stress on a final "iy"
// after the main one (ability, liberty) is the unstressed i of happy.
std::vector<Mark> writtenMarks(const Pronunciation& word, const std::vector<Syllable>& syllables,
                               StressSource source) {
    std::vector<int> stresses;
    for (const Syllable& syllable : syllables) stresses.push_back(syllable.stress);
    int lastPrimary = -1;
    int firstSecondary = -1;
    for (int i = 0; i < int(stresses.size()); ++i) {
        if (stresses[i] == 1) lastPrimary = i;
        if (stresses[i] == 2 && firstSecondary < 0) firstSecondary = i;
    }
    const Phone& last = word.back();
    if (last.name == QLatin1String("iy") && last.stress == 2 && lastPrimary >= 0)
        stresses.back() = 0;
    if (lastPrimary < 0 && firstSecondary >= 0) lastPrimary = firstSecondary;
    if (lastPrimary < 0 && source == StressSource::Rules) lastPrimary = 0;

    std::vector<Mark> marks(stresses.size(), Mark::None);
    for (int i = 0; i < int(stresses.size()); ++i) {
        if (i == lastPrimary)
            marks[i] = Mark::Primary;
        else if (stresses[i] > 0)
            marks[i] = Mark::Secondary;
    }
    // The dictionary's own secondary stresses and the rules' extra main ones
    // are guesses; two main stresses in the dictionary mark a real compound.
    const int before = lastPrimary - 1;
    const bool guessed = source == StressSource::Rules || (before >= 0 && stresses[before] == 2);
    if (before >= 0 && marks[before] == Mark::Secondary && guessed &&
        source != StressSource::Letters && !heardBeforeMain(word, syllables, size_t(before)))
        marks[before] = Mark::Dropped;
    return marks;
}

// A stressed vowel that lost its mark keeps its quality where the table
// reduces it to a schwa (unfavorable /ʌnˈfeɪvərəbəl/); ɝː and iː shorten.
QString vowelSymbol(const Phone& vowel, Mark mark) {
    const bool strong = mark == Mark::Primary || mark == Mark::Secondary ||
                        (mark == Mark::Dropped && vowel.name == QLatin1String("ah"));
    return *symbolFor(vowel.name, strong ? 1 : 0);
}

}  // namespace

std::optional<Pronunciation> parseArpabet(QStringView text) {
    Pronunciation word;
    for (QStringView token : text.split(u' ', Qt::SkipEmptyParts)) {
        Phone phone;
        if (token.back().isDigit()) {
            phone.stress = token.back().digitValue();
            token.chop(1);
            if (!isArpabetVowel(token) || phone.stress > 2) return std::nullopt;
        } else if (isArpabetVowel(token)) {
            return std::nullopt;
        }
        phone.name = token.toString().toLower();
        if (!symbolFor(phone.name, phone.stress)) return std::nullopt;
        word.push_back(phone);
    }
    if (word.empty()) return std::nullopt;
    return word;
}

QString ipaOf(const Pronunciation& given, StressSource source) {
    const Pronunciation word = withLinkingR(given);
    const std::vector<Syllable> syllables = syllablesOf(word);
    const std::vector<Mark> marks = writtenMarks(word, syllables, source);
    const bool marked = syllables.size() > 1;  // one syllable: nothing to mark
    std::vector<QChar> markBefore(word.size());
    std::vector<Mark> markOf(word.size(), Mark::None);
    for (size_t s = 0; s < syllables.size(); ++s) {
        markOf[syllables[s].vowel] = marks[s];
        if (!marked) continue;
        if (marks[s] == Mark::Primary) markBefore[syllables[s].onset] = kPrimaryStress;
        if (marks[s] == Mark::Secondary) markBefore[syllables[s].onset] = kSecondaryStress;
    }
    QString ipa;
    for (size_t i = 0; i < word.size(); ++i) {
        if (!markBefore[i].isNull()) ipa += markBefore[i];
        ipa += isVowel(word[i]) ? vowelSymbol(word[i], markOf[i]) : *symbolFor(word[i].name, -1);
    }
    return ipa;
}

}  // namespace tawen::ipa
