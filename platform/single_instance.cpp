#include "platform/single_instance.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/paths.h"

namespace platform {

SingleInstance::SingleInstance(QString lockPath) : path_(std::move(lockPath)) {}

SingleInstance::~SingleInstance() { release(); }

// The lock is the kernel's lock on the open file, not the file itself: it
// ends with the process that holds it, however that process ends, so a lock
// file never goes stale and a start never has to judge whether its owner
// still lives. Nor does a start wait for the disk: the file only carries the
// owner's process number for whoever looks.
SingleInstance::Outcome SingleInstance::acquire() {
    if (descriptor_ >= 0) return Outcome::Acquired;
    const int descriptor =
        ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) return Outcome::CannotLock;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(descriptor);
        return held ? Outcome::AnotherCopyRuns : Outcome::CannotLock;
    }
    // A folder that cannot take these few bytes cannot take the user list or
    // the settings either.
    const QByteArray owner = QByteArray::number(::getpid()) + '\n';
    QFile file;
    if (::ftruncate(descriptor, 0) != 0 ||
        !file.open(descriptor, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) ||
        file.write(owner) != owner.size() || !file.flush()) {
        file.close();
        ::close(descriptor);
        return Outcome::CannotLock;
    }
    descriptor_ = descriptor;
    return Outcome::Acquired;
}

// The file stays: removing it would let a start that opened it a moment
// earlier lock a file no later start can see.
bool SingleInstance::release() {
    if (descriptor_ < 0) return false;
    ::close(descriptor_);
    descriptor_ = -1;
    return true;
}

SingleInstance& programInstance() {
    static SingleInstance instance(WindowsDir() + QStringLiteral("tawen.lock"));
    return instance;
}

}  // namespace platform
