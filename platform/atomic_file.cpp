#include "platform/atomic_file.h"

#include <QSaveFile>

#include <unistd.h>

namespace platform {

bool writeFileAtomically(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = file.write(bytes.data() + written, bytes.size() - written);
        if (chunk <= 0) {
            file.cancelWriting();
            return false;
        }
        written += chunk;
    }
    // QSaveFile buffers: the flush is where a full disk shows itself. Its
    // commit forces the data to the disk but ignores a failure to; renamed
    // over the old file, data that never reached the disk could come back
    // empty after a power cut, so a failed sync fails the save.
    if (!file.flush() || file.error() != QFileDevice::NoError || ::fdatasync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace platform
