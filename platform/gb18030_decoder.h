#pragma once

#include <QByteArrayView>
#include <QString>

namespace platform {

// GB18030 to UTF-16, the same characters the system's converter gives, but
// several times faster on word files and ready at once: plain ASCII is
// copied, double-byte characters and the four-byte ones of the Basic
// Multilingual Plane (IPA symbols) come from tables made from the converter
// while building, and the rare characters beyond are converted once per text.
// Anything broken is handed to the system's converter, which decides what it
// becomes.
QString decodeGb18030(QByteArrayView bytes);

// The system's converter alone; the reference the fast path must agree with.
QString decodeGb18030Reference(QByteArrayView bytes);

}  // namespace platform
