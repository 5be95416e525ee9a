#include "platform/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QString decodeText(QByteArrayView bytes) {
    // The decoder holds back a sequence cut off at the end, waiting for more
    // input. A line feed after the text never continues a sequence, so the
    // cut one comes out as U+FFFD; the line feed is then taken off again.
    QByteArray terminated;
    terminated.reserve(bytes.size() + 1);
    terminated.append(bytes).append('\n');
    QStringDecoder decoder("GB18030");
    QString text = decoder.decode(terminated);
    text.chop(1);
    return text;
}

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
