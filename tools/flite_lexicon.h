#pragma once

#include <QString>

#include <optional>

#include "tools/arpabet_ipa.h"

struct lexicon_struct;

namespace tawen::ipa {

// The lexicon and letter-to-sound rules inside flite's US English voices: what
// the voice itself would say. Its lexicon knows which reading of a homograph
// belongs to which part of speech; its rules read any word, known or not, but
// know only one level of stress.
class FliteLexicon {
  public:
    FliteLexicon();

    // The reading for a part of speech: "n", "v", "j" (adjective), or none
    // for the first one listed. Nothing for a word of other letters than a-z
    // and the apostrophe.
    std::optional<Pronunciation> lookup(const QString& word, const char* partOfSpeech) const;

  private:
    lexicon_struct* lexicon_;
};

}  // namespace tawen::ipa
