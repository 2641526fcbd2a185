#pragma once

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

namespace kelvaro::testing {

// The files of a folder that are opened while it watches, by name (the
// kernel's inotify, Linux only): whatever opens them, Qt's dialogs too.
class OpenedFiles {
 public:
  explicit OpenedFiles(const std::filesystem::path& folder)
      : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0) ::inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
  }
  ~OpenedFiles() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenedFiles(const OpenedFiles&) = delete;
  OpenedFiles& operator=(const OpenedFiles&) = delete;

  bool watching() const { return fd_ >= 0; }

  // The names opened since the watch began.
  const std::set<std::string>& names() {
    alignas(inotify_event) char buffer[8192];
    for (ssize_t size; (size = ::read(fd_, buffer, sizeof buffer)) > 0;) {
      for (ssize_t at = 0; at < size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0) names_.insert(event->name);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return names_;
  }

 private:
  int fd_;
  std::set<std::string> names_;
};

}  // namespace kelvaro::testing
