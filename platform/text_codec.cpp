#include "platform/text_codec.h"

#include "platform/gb18030_decoder.h"
#include "platform/gb18030_tables.h"

#include <QStringEncoder>

#include <bitset>

namespace platform {

QString decodeText(QByteArrayView bytes) { return decodeGb18030(bytes); }

QByteArray encodeText(QStringView text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

// Whether a character of the Basic Multilingual Plane has a double-byte code;
// every other one takes four bytes. Read off the decoder's table, so the
// length of a typed name needs no converter.
static bool hasDoubleByteCode(char16_t character) {
    static const std::bitset<0x10000> codes = [] {
        std::bitset<0x10000> made;
        for (const char16_t decoded : gb18030::kDoubleByte) made.set(decoded);
        return made;
    }();
    return codes.test(character);
}

qsizetype encodedLength(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar unit = text[at];
        if (unit.unicode() < 0x80) {
            bytes += 1;
        } else if (unit.isHighSurrogate() && at + 1 < text.size() &&
                   text[at + 1].isLowSurrogate()) {
            bytes += 4;
            ++at;
        } else if (unit.isSurrogate()) {
            // What a lone half becomes is the converter's to say.
            return encodeText(text).size();
        } else {
            bytes += hasDoubleByteCode(unit.unicode()) ? 2 : 4;
        }
    }
    return bytes;
}

QString fitToBytes(QStringView text, qsizetype maxBytes) {
    qsizetype used = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        // A surrogate pair is one character and is cut or kept as a whole.
        const qsizetype width = text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        const qsizetype bytes = encodedLength(text.mid(end, width));
        if (used + bytes > maxBytes) break;
        used += bytes;
        end += width;
    }
    return text.first(end).toString();
}

}  // namespace platform
