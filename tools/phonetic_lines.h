#pragma once

#include <QString>
#include <QStringList>

#include "tools/headword_phonetics.h"

namespace tawen::ipa {

// The two texts tawen-ipa reads. Each line that cannot be given phonetics
// adds one Chinese sentence, naming its line number, to `problems`.

// Lines "headword<TAB>meaning" (LF or CR LF) become "headword<TAB>ipa" (LF),
// the IPA without brackets, empty for long phrases and sentences.
QString phoneticTable(const QString& lines, HeadwordPhonetics& phonetics, QStringList& problems);

// A course text, lines "word#meaning" with or without a phonetic field, ended
// by CR LF: every line gets its phonetic field "[ipa]" anew, or loses it when
// it has none (long phrases, sentences). Everything else stays as it was.
QString coursePhonetics(const QString& course, HeadwordPhonetics& phonetics, QStringList& problems);

}  // namespace tawen::ipa
