#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The phonetic notation of our courses: General American, the accent our
// voices speak, written as learners' dictionaries write it. One table turns
// the pronouncing dictionary's ARPAbet into these symbols, and the style check
// and the phonetic face are held to the same table.
namespace tawen::ipa {

inline constexpr QChar kPrimaryStress = QChar(0x02C8);    // ˈ
inline constexpr QChar kSecondaryStress = QChar(0x02CC);  // ˌ

// The IPA of one ARPAbet phone, given in either case, vowels with their
// stress digit (0 none, 1 primary, 2 secondary); nothing for an unknown phone.
std::optional<QString> symbolFor(QStringView arpabet, int stress);

bool isArpabetVowel(QStringView arpabet);

// Every vowel and every consonant symbol the table can write.
const QStringList& vowelSymbols();
const QStringList& consonantSymbols();

// Whether these consonants, in this order, may begin an English syllable
// (and so a word): "str" may, "nstr" may not.
bool isLegalOnset(const QStringList& consonants);

}  // namespace tawen::ipa
