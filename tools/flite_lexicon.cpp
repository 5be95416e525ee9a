#include "tools/flite_lexicon.h"

#include <QStringList>

extern "C" {
#include <flite/flite.h>
cst_lexicon* cmu_lex_init(void);
}

namespace tawen::ipa {

FliteLexicon::FliteLexicon() : lexicon_(cmu_lex_init()) {}

std::optional<Pronunciation> FliteLexicon::lookup(const QString& word,
                                                  const char* partOfSpeech) const {
    if (word.isEmpty()) return std::nullopt;
    for (const QChar c : word) {
        if (!(c >= u'a' && c <= u'z') && c != u'\'') return std::nullopt;
    }
    cst_val* phones = lex_lookup(lexicon_, word.toLatin1().constData(), partOfSpeech, nullptr);
    QStringList names;
    for (const cst_val* p = phones; p != nullptr; p = val_cdr(p))
        names.append(QString::fromLatin1(val_string(val_car(p))));
    delete_val(phones);
    return parseArpabet(names.join(u' '));
}

}  // namespace tawen::ipa
