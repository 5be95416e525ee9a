#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tawen {

// Turns an editable course text into the plaintext of a library file: valid
// UTF-8 is converted to GB18030 (anything else is taken as GB18030 already),
// and every line ends with CR LF, whether it ended with LF, CR LF or a lone CR
// in the source or was the last line without a break. Line contents stay as
// they are.
QByteArray toLibraryPlaintext(QByteArrayView source);

}  // namespace tawen
