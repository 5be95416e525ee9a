#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// ARPAbet, as the pronouncing dictionary and the voice's letter-to-sound
// rules write a word, turned into the IPA of our courses.
namespace tawen::ipa {

struct Phone {
    QString name;     // "ae", "k", in lower case
    int stress = -1;  // vowels: 0 none, 1 primary, 2 secondary; consonants: -1
};

using Pronunciation = std::vector<Phone>;

// Reads phones such as "K AH0 N T R IH1 B Y UW0 T" (either case, blanks
// between phones); nothing when a phone is not in the table or a vowel lacks
// its stress digit.
std::optional<Pronunciation> parseArpabet(QStringView text);

// One word in IPA: the stress mark stands before the stressed syllable, whose
// onset is the longest run of the consonants before its vowel that can begin
// an English syllable (/ˈɪnstrəmənt/, /kənˈtrɪbjuːt/). A word of one syllable
// gets no mark. When a word carries several primary stresses (a compound
// such as overnight, or rules that know no secondary stress) the last is the
// main one and those before it are secondary.
QString ipaOf(const Pronunciation& word);

}  // namespace tawen::ipa
