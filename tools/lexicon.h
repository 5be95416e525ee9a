#pragma once

#include <QHash>
#include <QString>

namespace tawen {

// What the lexicon knows of one headword. Every course is made from these,
// so a word shared by many courses reads the same in all of them.
struct LexiconEntry {
    QString meaning;
    QString phonetic;  // IPA without brackets; empty for long phrases and sentences
    QString synonyms;  // "bold, daring", only for words a synonym course asks for
    QString antonym;   // "timid", only for words an antonym course asks for
};

// The word lexicon under data/lexicon/:
//   meanings/*.tsv   headword TAB meaning   (each headword in exactly one file)
//   phonetics.tsv    headword TAB ipa
//   synonyms.tsv     headword TAB synonyms
//   antonyms.tsv     headword TAB antonym
// UTF-8, one entry a line; blank lines and lines starting with "#" are skipped.
// Headwords are matched exactly, capitals included ("May" is not "may").
class Lexicon {
  public:
    // Reads the whole folder; on failure returns false and says why in `error`.
    bool load(const QString& folder, QString& error);

    const LexiconEntry* find(const QString& headword) const;

  private:
    QHash<QString, LexiconEntry> entries_;
};

}  // namespace tawen
