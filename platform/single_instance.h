#pragma once

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

    explicit SingleInstance(QString lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Only a live copy keeps the lock: a lock file left behind by a copy that
    // died, whatever it holds, is taken over.
    Outcome acquire();

    // Gives the lock up before the process ends; true when it was held.
    bool release();

  private:
    QString path_;
    int descriptor_ = -1;
};

// The lock of this run, WindowsDir() + "tawen.lock".
SingleInstance& programInstance();

}  // namespace platform
