#pragma once

#include <QString>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>

// Counts the saves of one file: a save through a temporary file ends in one
// rename onto the file's name (or one creation of it). Counting starts at
// construction.
class FileSaves {
  public:
    explicit FileSaves(const QString& path)
        : name_(path.section(u'/', -1).toLocal8Bit()),
          fd_(inotify_init1(IN_NONBLOCK)),
          watch_(inotify_add_watch(fd_, path.section(u'/', 0, -2).toLocal8Bit().constData(),
                                   IN_MOVED_TO | IN_CREATE)) {}
    ~FileSaves() { close(fd_); }
    FileSaves(const FileSaves&) = delete;
    FileSaves& operator=(const FileSaves&) = delete;

    bool watching() const { return fd_ >= 0 && watch_ >= 0; }

    int count() {
        std::array<char, 8192> buffer{};
        for (ssize_t length; (length = read(fd_, buffer.data(), buffer.size())) > 0;) {
            for (ssize_t at = 0; at < length;) {
                inotify_event event;
                std::memcpy(&event, buffer.data() + at, sizeof event);
                if (event.len > 0 && name_ == buffer.data() + at + sizeof event) ++saves_;
                at += ssize_t(sizeof event) + event.len;
            }
        }
        return saves_;
    }

  private:
    QByteArray name_;
    int fd_;
    int watch_;
    int saves_ = 0;
};
