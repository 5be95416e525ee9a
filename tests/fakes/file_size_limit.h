#pragma once

#include <sys/resource.h>

#include <csignal>

// A disk that fills up part-way through a write: while this lives, no file of
// the process may grow past maxBytes, and a write beyond that fails with
// EFBIG (the signal the kernel would send is ignored), as a full disk fails
// with ENOSPC. Files already larger stay readable.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t maxBytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = maxBytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }

    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};
