#pragma once

#include <QByteArrayView>
#include <QString>

namespace platform {

// Replaces the file at path with bytes, or leaves it exactly as it was.
// The bytes go to a temporary file in the same folder, every write, the
// flush and the sync to disk are checked, and only a complete file is
// renamed over the old one:
// a full disk or a read-only folder is a failure, never an emptied file.
bool writeFileAtomically(const QString& path, QByteArrayView bytes);

}  // namespace platform
