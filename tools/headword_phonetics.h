#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "tools/flite_lexicon.h"
#include "tools/pronouncing_dictionary.h"
#include "tools/word_parts.h"

namespace tawen::ipa {

// The part of speech that comes first in a course meaning ("v. 放弃；抛弃"
// is a verb), in the lexicon's letters: "n", "v", "j"; none for another one
// or a meaning that names none.
const char* firstPartOfSpeech(const QString& meaning);

// The words of a headword as they are read aloud: blanks, ellipses ("as…as",
// "take...into account"), slashes, brackets and "=" separate them; accents are
// dropped (café reads as cafe).
QStringList spokenWords(const QString& headword);

// Whether a headword gets a phonetic at all: words and phrases of up to three
// spoken words do; longer phrases, sentences and headwords with a number
// (read out in many ways: "Bus 42") do not.
bool takesPhonetic(const QString& headword);

// The phonetic field of a course entry. A word takes its reading from the
// pronouncing dictionary; where the dictionary lists several (record, present,
// export), the one the voice's lexicon gives for the first part of speech of
// the meaning. A British spelling is looked up in its American form
// (flavour as flavor). A word the dictionary lacks is read from the parts it
// is built of (school|bag, brisk|ness), capitals of up to three letters
// by their letters' names, and anything else by the voice's letter-to-sound
// rules. Phrases of up to three words get their words' IPA
// joined by blanks; longer phrases, sentences and headwords with a number
// get none.
class HeadwordPhonetics {
  public:
    HeadwordPhonetics(const PronouncingDictionary& dictionary, const FliteLexicon& lexicon);

    // The IPA without brackets, empty for a long phrase or a sentence;
    // nothing when a word has no letters to read.
    std::optional<QString> ipaFor(const QString& headword, const QString& meaning);

    // Words met so far, and how many of them the dictionary had.
    int wordsSeen() const { return wordsSeen_; }
    int wordsInDictionary() const { return wordsInDictionary_; }

  private:
    struct Reading {
        Pronunciation phones;
        StressSource stresses = StressSource::Dictionary;
    };

    std::optional<QString> dottedReading(const QString& word, const char* partOfSpeech);
    std::optional<Reading> pronounce(const QString& word, const char* partOfSpeech,
                                     StressSource source);
    std::optional<Reading> withoutDictionary(const QString& word, const char* partOfSpeech);
    std::optional<Pronunciation> byLetterNames(const QString& letters) const;
    // The dictionary's reading for the part of speech, its compound's join marked.
    std::optional<Pronunciation> fromDictionary(const QString& word, const char* partOfSpeech);
    std::optional<Pronunciation> choose(const QString& word, const char* partOfSpeech) const;

    const PronouncingDictionary& dictionary_;
    const FliteLexicon& lexicon_;
    WordParts parts_;
    int wordsSeen_ = 0;
    int wordsInDictionary_ = 0;
};

}  // namespace tawen::ipa
