// The personal library and its backups as a learner's disk may hold them:
// whatever the lines, writing the words back and reading them again gives
// the same words, so opening and saving the organizer never loses a line.
#include <cstdint>
#include <cstdlib>

#include "library/personal_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tawen;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)parseBackupLines(bytes);
    const QList<WordEntry> words = parsePersonalLines(bytes);
    const QList<WordEntry> again = parsePersonalLines(personalLines(words));
    if (again.size() != words.size()) std::abort();
    for (qsizetype n = 0; n < words.size(); ++n)
        if (again[n].word != words[n].word) std::abort();
    return 0;
}
