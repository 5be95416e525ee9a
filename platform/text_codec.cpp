#include "platform/text_codec.h"

#include "platform/gb18030_decoder.h"

#include <QStringEncoder>

namespace platform {

QString decodeText(QByteArrayView bytes) { return decodeGb18030(bytes); }

QByteArray encodeText(QStringView text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

qsizetype encodedLength(QStringView text) { return encodeText(text).size(); }

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
