#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "tools/flite_lexicon.h"
#include "tools/pronouncing_dictionary.h"

namespace tawen::ipa {

// The part of speech that comes first in a course meaning ("v. 放弃；抛弃"
// is a verb), in the lexicon's letters: "n", "v", "j"; none for another one
// or a meaning that names none.
const char* firstPartOfSpeech(const QString& meaning);

// The words of a headword as they are read aloud: blanks, ellipses ("as…as",
// "take...into account"), slashes, brackets and "=" separate them; accents are
// dropped (café reads as cafe).
QStringList spokenWords(const QString& headword);

// The phonetic field of a course entry. A word takes its reading from the
// pronouncing dictionary; where the dictionary lists several (record, present,
// export), the one the voice's lexicon gives for the first part of speech of
// the meaning. A British spelling is looked up in its American form
// (flavour as flavor). A word the dictionary lacks is read by the voice's
// letter-to-sound rules. Phrases of up to three words get their words' IPA
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
    std::optional<QString> dottedReading(const QString& word, const char* partOfSpeech);
    std::optional<Pronunciation> pronounce(const QString& word, const char* partOfSpeech);
    std::optional<Pronunciation> fromDictionary(const QString& word, const char* partOfSpeech);

    const PronouncingDictionary& dictionary_;
    const FliteLexicon& lexicon_;
    int wordsSeen_ = 0;
    int wordsInDictionary_ = 0;
};

}  // namespace tawen::ipa
