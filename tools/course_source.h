#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tawen {

// How a course text is written. It is never guessed: text that happens to be
// valid UTF-8 may just as well be GB18030, so the caller names the encoding,
// and only a UTF-8 byte-order mark overrides it.
enum class SourceEncoding { Gb18030, Utf8 };

std::optional<SourceEncoding> sourceEncodingNamed(const QString& name);

// Turns an editable course text into the plaintext of a library file: GB18030
// bytes are kept as they are, UTF-8 is converted; nothing when the text is not
// valid in its encoding. Lines end where the program ends them, at CR LF or a
// lone CR, and each ends with CR LF, the last one too; a lone LF is part of a
// field's text and stays.
std::optional<QByteArray> toLibraryPlaintext(QByteArrayView source, SourceEncoding encoding);

}  // namespace tawen
