#include "tools/course_source.h"

#include <QStringDecoder>

#include "platform/text_codec.h"

namespace tawen {

namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");

std::optional<QByteArray> asGb18030(QByteArrayView source, SourceEncoding encoding) {
    if (source.startsWith(kUtf8Mark)) {
        source = source.sliced(kUtf8Mark.size());
        encoding = SourceEncoding::Utf8;
    }
    if (encoding == SourceEncoding::Gb18030) return source.toByteArray();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(source);
    if (utf8.hasError()) return std::nullopt;
    return platform::encodeText(text);
}

// CR and LF never occur inside a GB18030 sequence, so bytes can be scanned.
QByteArray withCrLf(QByteArrayView text) {
    QByteArray lines;
    lines.reserve(text.size() + text.size() / 16 + 2);
    for (qsizetype n = 0; n < text.size(); ++n) {
        const char c = text[n];
        if (c != '\r') {
            lines.append(c);
            continue;
        }
        lines.append("\r\n");
        if (n + 1 < text.size() && text[n + 1] == '\n') ++n;
    }
    if (!lines.isEmpty() && !lines.endsWith("\r\n")) lines.append("\r\n");
    return lines;
}

}  // namespace

std::optional<SourceEncoding> sourceEncodingNamed(const QString& name) {
    const QString folded = name.toLower();
    if (folded == QLatin1String("gb18030")) return SourceEncoding::Gb18030;
    if (folded == QLatin1String("utf-8") || folded == QLatin1String("utf8")) {
        return SourceEncoding::Utf8;
    }
    return std::nullopt;
}

std::optional<QByteArray> toLibraryPlaintext(QByteArrayView source, SourceEncoding encoding) {
    const std::optional<QByteArray> text = asGb18030(source, encoding);
    if (!text) return std::nullopt;
    return withCrLf(*text);
}

}  // namespace tawen
