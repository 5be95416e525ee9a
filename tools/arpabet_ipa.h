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
    // The first phone of the second word of a compound (pass|port): a
    // syllable begins here whatever the consonants before it.
    bool beginsWord = false;
};

using Pronunciation = std::vector<Phone>;

// Who gave a reading its stresses, which decides which of them a learner hears.
enum class StressSource {
    Dictionary,  // the pronouncing dictionary: its secondary stresses are a guide
    Rules,       // the letter-to-sound rules: several main stresses, or none at all
    Letters,     // letters read by their names (CD, a.m.): each one is stressed
};

// Reads phones such as "K AH0 N T R IH1 B Y UW0 T" (either case, blanks
// between phones); nothing when a phone is not in the table or a vowel lacks
// its stress digit.
std::optional<Pronunciation> parseArpabet(QStringView text);

// One word in IPA: the stress mark stands before the stressed syllable, whose
// onset is the longest run of the consonants before its vowel that can begin
// an English syllable (/ˈɪnstrəmənt/, /kənˈtrɪbjuːt/), or the consonants a
// compound's second word begins with (/ˈpæsˌpɔːrt/). A word of one syllable
// gets no mark. When a word carries several primary stresses (a compound
// such as overnight, or rules that know no secondary stress) the last is the
// main one and those before it are secondary. A secondary stress on the
// syllable right before the main one is shown only where it is heard: at a
// compound's join, on letters read by name, or on a closed syllable that
// follows another one (/ɪˌlɛkˈtrɪsəti/, but /ɪnˈsɪst/).
QString ipaOf(const Pronunciation& word, StressSource source = StressSource::Dictionary);

}  // namespace tawen::ipa
