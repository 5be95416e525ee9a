#include "tools/course_source.h"

#include <QStringDecoder>

#include "platform/text_codec.h"

namespace tawen {

namespace {

QByteArray asGb18030(QByteArrayView source) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(source);
    return utf8.hasError() ? source.toByteArray() : platform::encodeText(text);
}

// CR and LF never occur inside a GB18030 sequence, so bytes can be scanned.
QByteArray withCrLf(QByteArrayView text) {
    QByteArray lines;
    lines.reserve(text.size() + text.size() / 16 + 2);
    for (qsizetype n = 0; n < text.size(); ++n) {
        const char c = text[n];
        if (c != '\r' && c != '\n') {
            lines.append(c);
            continue;
        }
        lines.append("\r\n");
        if (c == '\r' && n + 1 < text.size() && text[n + 1] == '\n') ++n;
    }
    if (!lines.isEmpty() && !lines.endsWith("\r\n")) lines.append("\r\n");
    return lines;
}

}  // namespace

QByteArray toLibraryPlaintext(QByteArrayView source) { return withCrLf(asGb18030(source)); }

}  // namespace tawen
