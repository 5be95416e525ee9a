#pragma once

#include <QString>

#include <optional>

#include "tools/pronouncing_dictionary.h"

namespace tawen::ipa {

// The parts a word is built of, as the pronouncing dictionary knows them:
// two words (pass|port, school|bag), a prefix and a word (un|talented), a
// word and a suffix (brisk|ness).
class WordParts {
  public:
    explicit WordParts(const PronouncingDictionary& dictionary);

    // Marks where the second word of a compound begins in the dictionary's
    // reading of the whole (passport: P AE1 S | P AO2 R T). A reading that is
    // not its parts' readings one after the other stays as it is, and so does
    // one whose parts are a pronoun or a bound prefix (my|self, mis|take).
    void markJoin(const QString& word, Pronunciation& reading) const;

    // A reading of a word the dictionary lacks, made of its parts: a prefix
    // and a word, a word and a suffix, or two words, the first of which leads
    // (ˈskuːlˌbæɡ); nothing when it is not built of known parts.
    std::optional<Pronunciation> fromParts(const QString& word) const;

  private:
    std::optional<Pronunciation> firstReading(const QString& word) const;
    std::optional<Pronunciation> withPrefix(const QString& word) const;
    std::optional<Pronunciation> withSuffix(const QString& word) const;
    std::optional<Pronunciation> ofTwoWords(const QString& word) const;

    const PronouncingDictionary& dictionary_;
};

}  // namespace tawen::ipa
