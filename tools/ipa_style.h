#pragma once

#include <QString>
#include <QStringList>

namespace tawen::ipa {

// What is wrong with one phonetic field in the notation of our courses
// (tools/ipa_table.h): a stress mark that does not stand at the onset of its
// syllable (/həlˈoʊ/ for /həˈloʊ/), "ɹ" for r, a symbol outside the table.
// One Chinese sentence per problem; none for a field in good style. The
// field may be given with or without its square brackets; an empty one is
// good (long phrases and sentences have none).
QStringList ipaStyleProblems(const QString& field);

}  // namespace tawen::ipa
