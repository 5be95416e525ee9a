#include "platform/single_instance.h"

namespace platform {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // A learner may keep the program open for days: only a dead owner makes
    // the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() { return lock_.tryLock(0); }

}  // namespace platform
