#include "platform/single_instance.h"

#include "platform/paths.h"

namespace platform {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // A learner may keep the program open for days: only a dead owner makes
    // the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire() {
    if (lock_.tryLock(0)) return Outcome::Acquired;
    if (lock_.error() != QLockFile::LockFailedError) return Outcome::CannotLock;
    // QLockFile has already taken over a lock whose owner it could read and
    // found dead; one it can read is therefore held by a live copy.
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.getLockInfo(&pid, &host, &application)) return Outcome::AnotherCopyRuns;
    return takeOverDamagedLock();
}

// An owner cannot be read from an empty or damaged lock: the copy that made
// it died between creating and writing it. A live owner keeps its lock file
// locked, so the removal fails while one runs.
SingleInstance::Outcome SingleInstance::takeOverDamagedLock() {
    if (!lock_.removeStaleLockFile()) return Outcome::CannotLock;
    if (lock_.tryLock(0)) return Outcome::Acquired;
    return lock_.error() == QLockFile::LockFailedError ? Outcome::AnotherCopyRuns
                                                       : Outcome::CannotLock;
}

bool SingleInstance::release() {
    if (!lock_.isLocked()) return false;
    lock_.unlock();
    return true;
}

SingleInstance& programInstance() {
    static SingleInstance instance(WindowsDir() + QStringLiteral("tawen.lock"));
    return instance;
}

}  // namespace platform
