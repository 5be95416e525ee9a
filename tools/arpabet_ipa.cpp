#include "tools/arpabet_ipa.h"

#include <QStringList>

#include "tools/ipa_table.h"

namespace tawen::ipa {

namespace {

bool isVowel(const Phone& phone) { return phone.stress >= 0; }

// The stress each vowel is written with: the last primary stays primary,
// earlier ones become secondary; a word with secondary stress only has its
// first one promoted. The dictionary's secondary stress on a final "iy"
// after the main one (ability, liberty) is the unstressed i of happy.
std::vector<int> writtenStresses(const Pronunciation& word) {
    std::vector<int> stresses;
    int lastPrimary = -1;
    int firstSecondary = -1;
    for (const Phone& phone : word) {
        if (!isVowel(phone)) continue;
        const int index = int(stresses.size());
        if (phone.stress == 1) lastPrimary = index;
        if (phone.stress == 2 && firstSecondary < 0) firstSecondary = index;
        stresses.push_back(phone.stress);
    }
    const Phone& last = word.back();
    if (last.name == QLatin1String("iy") && last.stress == 2 && lastPrimary >= 0)
        stresses.back() = 0;
    if (lastPrimary < 0 && firstSecondary >= 0) stresses[firstSecondary] = 1;
    for (int i = 0; i < lastPrimary; ++i) {
        if (stresses[i] == 1) stresses[i] = 2;
    }
    return stresses;
}

// Where the syllable of the vowel at `vowel` begins: after the previous vowel,
// at the longest legal onset of the consonants in between.
size_t onsetStart(const Pronunciation& word, size_t vowel) {
    size_t start = vowel;
    while (start > 0 && !isVowel(word[start - 1])) --start;
    if (start == 0) return 0;  // the first syllable takes every consonant before it
    QStringList onset;
    size_t best = vowel;
    for (size_t i = vowel; i > start; --i) {
        onset.prepend(*symbolFor(word[i - 1].name, -1));
        if (!isLegalOnset(onset)) break;
        best = i - 1;
    }
    return best;
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

QString ipaOf(const Pronunciation& word) {
    const std::vector<int> stresses = writtenStresses(word);
    const bool marked = stresses.size() > 1;  // one syllable: nothing to mark
    std::vector<QChar> markBefore(word.size());
    std::vector<int> stressOf(word.size(), -1);
    size_t vowelNumber = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        if (!isVowel(word[i])) continue;
        stressOf[i] = stresses[vowelNumber++];
        if (marked && stressOf[i] == 1) markBefore[onsetStart(word, i)] = kPrimaryStress;
        if (marked && stressOf[i] == 2) markBefore[onsetStart(word, i)] = kSecondaryStress;
    }
    QString ipa;
    for (size_t i = 0; i < word.size(); ++i) {
        if (!markBefore[i].isNull()) ipa += markBefore[i];
        ipa += *symbolFor(word[i].name, stressOf[i]);
    }
    return ipa;
}

}  // namespace tawen::ipa
