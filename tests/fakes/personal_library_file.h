#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include "fakes/temp_root.h"
#include "library/library_cipher.h"
#include "platform/text_codec.h"

// A personal library on disk as the tests see it: plaintext lines,
// enciphered with the personal key in the file.
inline void writePersonalLibraryText(TempRoot& root, const QString& file, QStringView plaintext) {
    QByteArray bytes = platform::encodeText(plaintext);
    tawen::LibraryCipher::apply(bytes, tawen::LibraryCipher::PersonalKey);
    root.write(file, bytes);
}

inline QString personalLibraryText(const TempRoot& root, const QString& file) {
    QByteArray bytes = root.read(file);
    tawen::LibraryCipher::apply(bytes, tawen::LibraryCipher::PersonalKey);
    return platform::decodeText(bytes);
}
