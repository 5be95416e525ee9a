#pragma once

#include <QLockFile>
#include <QString>

namespace platform {

// Keeps the program to one running copy per root: a lock file held for the
// life of the process. A lock left by a copy that died is taken over.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& lockPath);

    // False when another live copy holds the lock.
    bool acquire();

  private:
    QLockFile lock_;
};

}  // namespace platform
