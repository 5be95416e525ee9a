// Writes the tables of the GB18030 decoder as C++ source, taken from the
// system's converter while building, so that the program carries them ready
// made and never spends its first load of a course on making them:
//   gb18030_decoder_tablegen <output.cpp>
// Every double-byte character, then every four-byte one that stands for a
// character of the Basic Multilingual Plane (0 where the converter gives
// anything but one such character: the decoder asks the converter there).

#include <QSaveFile>
#include <QStringDecoder>

#include <cstdio>
#include <vector>

#include "platform/gb18030_tables.h"

namespace {

QString decoded(const QByteArray& bytes) {
    QStringDecoder decoder("GB18030");
    const QString text = decoder.decode(bytes + '\n');
    return text.chopped(1);
}

bool isOneCharacter(const QString& text) {
    return text.size() == 1 && !text[0].isSurrogate() && text[0] != QChar::ReplacementCharacter;
}

QByteArray arrayDefinition(const char* name, const std::vector<char16_t>& units) {
    QByteArray out = "extern const char16_t " + QByteArray(name) + "[" +
                     QByteArray::number(qsizetype(units.size())) + "] = {";
    for (size_t n = 0; n < units.size(); ++n) {
        out += (n % 12 == 0 ? "\n    " : " ") + QByteArray("0x") +
               QByteArray::number(int(units[n]), 16) + ',';
    }
    return out + "\n};\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gb18030_decoder_tablegen <output.cpp>\n");
        return 2;
    }
    std::vector<char16_t> doubleBytes;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const QString character = decoded(QByteArray(1, char(lead)) + char(trail));
            // The decoder trusts this table for every well-formed pair.
            if (!isOneCharacter(character)) {
                std::fprintf(stderr, "GB18030 pair %02x %02x is not one character\n", lead, trail);
                return 1;
            }
            doubleBytes.push_back(character[0].unicode());
        }
    }
    std::vector<char16_t> fourBytes;
    for (int index = 0; index < platform::gb18030::kFourByteBmpCount; ++index) {
        const char bytes[] = {char(0x81 + index / 12600), char(0x30 + index / 1260 % 10),
                              char(0x81 + index / 10 % 126), char(0x30 + index % 10)};
        const QByteArray sequence(bytes, 4);
        const QString character = decoded(sequence);
        fourBytes.push_back(isOneCharacter(character) ? character[0].unicode() : 0);
    }

    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray source =
        "// Made by gb18030_decoder_tablegen while building.\n\n"
        "#include \"platform/gb18030_tables.h\"\n\n"
        "namespace platform::gb18030 {\n\n" +
        arrayDefinition("kDoubleByte", doubleBytes) + '\n' +
        arrayDefinition("kFourByteBmp", fourBytes) + "\n}  // namespace platform::gb18030\n";
    if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size() || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
