#include "faults/syscall_faults.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

std::atomic<SaveFault> armed{SaveFault::None};
std::atomic<int> calls{0};

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool isFile(int fd) { return fd > STDERR_FILENO; }

// True when the call is to fail with error: counts the call of an armed fault.
bool failing(SaveFault fault) {
    if (armed.load() != fault) return false;
    calls.fetch_add(1);
    return true;
}

}  // namespace

void armSaveFault(SaveFault fault) {
    armed.store(fault);
    calls.store(0);
}

int faultCalls() { return calls.load(); }

extern "C" {

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (isFile(fd) && count > 1 && armed.load() == SaveFault::ShortWrite) {
        // The first write lands half, the next finds the disk full.
        if (calls.fetch_add(1) == 0) return real(fd, buffer, count / 2);
        errno = ENOSPC;
        return -1;
    }
    if (isFile(fd) && failing(SaveFault::FullDisk)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buffer, count);
}

int fsync(int fd) {
    static const auto real = next<int (*)(int)>("fsync");
    if (failing(SaveFault::FailedSync)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

int fdatasync(int fd) {
    static const auto real = next<int (*)(int)>("fdatasync");
    if (failing(SaveFault::FailedSync)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

int rename(const char* from, const char* to) noexcept {
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    if (failing(SaveFault::FailedRename)) {
        errno = EIO;
        return -1;
    }
    return real(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to) noexcept {
    static const auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    if (failing(SaveFault::FailedRename)) {
        errno = EIO;
        return -1;
    }
    return real(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) noexcept {
    static const auto real =
        next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    if (failing(SaveFault::FailedRename)) {
        errno = EIO;
        return -1;
    }
    return real(fromDir, from, toDir, to, flags);
}

// Qt gives a new file its name by linking it from an unnamed one.
int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) noexcept {
    static const auto real = next<int (*)(int, const char*, int, const char*, int)>("linkat");
    if (failing(SaveFault::FailedRename)) {
        errno = EIO;
        return -1;
    }
    return real(fromDir, from, toDir, to, flags);
}

}  // extern "C"
