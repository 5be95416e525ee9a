#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

#include "tools/arpabet_ipa.h"

namespace tawen::ipa {

// The CMU pronouncing dictionary as converted once into the project
// (tools/cmudict/cmudict.dict): lines "word  PHONES", a word's other readings
// as "word(2)", "word(3)" in the dictionary's order.
class PronouncingDictionary {
  public:
    // Nothing when the file cannot be read.
    static std::optional<PronouncingDictionary> load(const QString& path);

    // The readings of a word given in lower case, first reading first; none
    // when the word is missing.
    QList<Pronunciation> readings(const QString& word) const;

  private:
    QHash<QString, QList<QString>> entries_;  // parsed when asked, so loading stays quick
};

}  // namespace tawen::ipa
