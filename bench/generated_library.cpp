#include "bench/generated_library.h"

#include <QFile>

#include <random>
#include <stdexcept>

#include "library/library_cipher.h"
#include "library/library_files.h"
#include "platform/paths.h"
#include "platform/text_codec.h"

namespace tawen::bench {

namespace {

QString pick(std::mt19937& random, QStringView alphabet, int length) {
    QString text;
    for (int n = 0; n < length; ++n) {
        text += alphabet[std::uniform_int_distribution<qsizetype>(0, alphabet.size() - 1)(random)];
    }
    return text;
}

}  // namespace

// A fixed seed keeps the file, and so the figures, the same from run to run.
QByteArray generatedPlaintext() {
    std::mt19937 random(20240601);
    const QStringView letters = u"abcdefghijklmnopqrstuvwxyz";
    const QStringView hanzi =
        u"的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动同工也能"
        u"下过子说产种面而方后多定行学法所民得经";
    const QStringView ipa = u"aeiouæɑɒɔəɜɪʊʌθðʃʒŋptkbdgmnlrwjfvszhː";
    QString text;
    for (int line = 0; line < MaxWordRows; ++line) {
        text += pick(random, letters, 5 + line % 8) + u'#' + QStringLiteral("n. ") +
                pick(random, hanzi, 6 + line % 10) + u'#' + u'/' + pick(random, ipa, 5 + line % 6) +
                u'/' + QStringLiteral("\r\n");
    }
    return platform::encodeText(text);
}

GeneratedLibrary::GeneratedLibrary() {
    platform::setRoot(dir_.path());
    QByteArray bytes = generatedPlaintext();
    LibraryCipher::apply(bytes, LibraryCipher::CourseKey);
    size_ = bytes.size();
    QFile file(libraryFilePath(Code));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size_) {
        throw std::runtime_error("cannot write the generated library");
    }
}

}  // namespace tawen::bench
