#pragma once

#include <QLockFile>
#include <QString>

namespace platform {

// Keeps the program to one running copy per root: a lock file held for the
// life of the process.
class SingleInstance {
  public:
    enum class Outcome {
        Acquired,         // this copy runs
        AnotherCopyRuns,  // a live copy holds the lock: this one ends unseen
        CannotLock,       // the lock cannot be made at all (read-only or full folder)
    };

    explicit SingleInstance(const QString& lockPath);

    // Only a live copy keeps the lock. A lock left by a copy that died, even
    // one left empty or damaged by a copy that died while writing it, is
    // taken over.
    Outcome acquire();

    // Gives the lock up before the process ends; true when it was held.
    bool release();

  private:
    Outcome takeOverDamagedLock();

    QLockFile lock_;
};

// The lock of this run, WindowsDir() + "tawen.lock".
SingleInstance& programInstance();

}  // namespace platform
