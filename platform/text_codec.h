#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// All text files of the program are GB18030, the superset of GBK: every GBK
// file reads the same, and characters GBK lacks (IPA symbols) survive.
namespace platform {

QString decodeText(QByteArrayView bytes);
QByteArray encodeText(QStringView text);

// The longest prefix of text whose encoding fits in maxBytes, never ending
// inside a character (a double-byte or four-byte sequence stays whole).
QString fitToBytes(QStringView text, qsizetype maxBytes);

qsizetype encodedLength(QStringView text);

}  // namespace platform
