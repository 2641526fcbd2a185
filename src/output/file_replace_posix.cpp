#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>

#include "core/held_files.h"
#include "output/file_replace.h"

namespace kelvaro {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// While a temporary file is written, a signal that would end the program
// (Ctrl+C, kill, a closed terminal) removes it first, so that a half-written
// hidden file is never left behind. The handlers stand only while the file
// exists and only for signals left to their default action; one file at a
// time (the programs write one file at a time).
class InterruptCleanup {
 public:
  explicit InterruptCleanup(const std::filesystem::path& file) {
    const std::string& name = file.native();
    if (name.size() >= pendingPath.size()) return;
    std::memcpy(pendingPath.data(), name.c_str(), name.size() + 1);
    pendingSignal = 1;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
      struct sigaction current {};
      if (::sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler != SIG_DFL) {
        continue;
      }
      struct sigaction cleanup {};
      cleanup.sa_handler = &removeAndEnd;
      sigemptyset(&cleanup.sa_mask);
      installed_[i] = ::sigaction(kSignals[i], &cleanup, &previous_[i]) == 0;
    }
  }
  ~InterruptCleanup() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
      if (installed_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    pendingSignal = 0;
  }
  InterruptCleanup(const InterruptCleanup&) = delete;
  InterruptCleanup& operator=(const InterruptCleanup&) = delete;

  // Holds the signals back while the file is made and handed over: one that
  // comes meanwhile waits until the file can be removed.
  class Held {
   public:
    Held() {
      sigset_t signals;
      sigemptyset(&signals);
      for (const int number : kSignals) sigaddset(&signals, number);
      ::pthread_sigmask(SIG_BLOCK, &signals, &previous_);
    }
    ~Held() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

   private:
    sigset_t previous_{};
  };

 private:
  // Async-signal-safe: removes the file, then ends the program by the
  // signal's default action once the handler returns.
  static void removeAndEnd(int number) {
    if (pendingSignal != 0) ::unlink(pendingPath.data());
    ::signal(number, SIG_DFL);
    ::raise(number);
  }

  static constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};
  static inline volatile std::sig_atomic_t pendingSignal = 0;
  static inline std::array<char, 4096> pendingPath{};
  std::array<struct sigaction, kSignals.size()> previous_{};
  std::array<bool, kSignals.size()> installed_{};
};

// Moves the file to `target` only if no file has that name; a file system
// that cannot do that in one step gets a second link, which fails as well
// when the name is taken.
std::error_code renameIfFree(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return {};
  }
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return lastError();
  if (::link(from.c_str(), to.c_str()) != 0) return lastError();
  ::unlink(from.c_str());
  return {};
}

// An open temporary file beside the target; removed again unless kept.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_ && !path_.empty()) ::unlink(path_.c_str());
  }

  // Creates a new file with a name of its own (never an existing one) in `folder`.
  std::error_code create(const std::filesystem::path& folder) {
    const InterruptCleanup::Held held;
    std::random_device seed;
    const std::string stem = ".kelvaro-" + std::to_string(seed()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      auto candidate = folder / (stem + std::to_string(attempt) + ".tmp");
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        path_ = std::move(candidate);
        cleanup_.emplace(path_);
        return {};
      }
      if (errno != EEXIST) return lastError();
    }
    return std::make_error_code(std::errc::file_exists);
  }

  // Gives the file the owner and the permission bits of the file it
  // replaces. The owner stays only where the system lets this user give it
  // (root; the group where the user belongs to it); that never stops the
  // replace, the permission bits always stay.
  std::error_code takeOver(const struct stat& replaced) {
    if (::fchown(fd_, replaced.st_uid, replaced.st_gid) != 0) {
      [[maybe_unused]] const int groupOnly = ::fchown(fd_, static_cast<uid_t>(-1), replaced.st_gid);
    }
    if (::fchmod(fd_, replaced.st_mode & 0777) != 0) return lastError();
    return {};
  }

  std::error_code write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return lastError();
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
  }

  // Flushes to the disk, checks that the file holds `size` bytes, closes it.
  std::error_code finish(std::size_t size) {
    if (::fsync(fd_) != 0) return lastError();
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return lastError();
    if (static_cast<std::size_t>(status.st_size) != size)
      return std::make_error_code(std::errc::io_error);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return lastError();
    return {};
  }

  std::error_code renameOnto(const std::filesystem::path& target, ExistingFile existing) {
    if (existing == ExistingFile::replace) {
      if (::rename(path_.c_str(), target.c_str()) != 0) return lastError();
    } else if (auto error = renameIfFree(path_, target)) {
      return error;
    }
    kept_ = true;
    return {};
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  bool kept_ = false;
  std::optional<InterruptCleanup> cleanup_;  // ends after the file is removed or renamed
};

// The status of the file that has the target's name, nothing where there is
// none; or the refusal to replace it.
std::error_code replaceableFile(const std::filesystem::path& target,
                                std::optional<struct stat>& replaced) {
  struct stat status {};
  if (::lstat(target.c_str(), &status) != 0) {
    return errno == ENOENT ? std::error_code{} : lastError();
  }
  if (S_ISDIR(status.st_mode)) return {EISDIR, std::generic_category()};
  if (!S_ISREG(status.st_mode)) return ReplaceRefusal::notAPlainFile;
  if ((status.st_mode & 0222) == 0) return ReplaceRefusal::writeProtected;
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return lastError();
  replaced = status;
  return {};
}

// Makes the rename itself durable; a failure here no longer endangers any
// content, so it is not reported.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::error_code moveIfFree(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (auto error = renameIfFree(from, to)) return error;
  syncFolder(to.parent_path().empty() ? "." : to.parent_path());
  return {};
}

std::error_code writeFileContents(const std::filesystem::path& target, std::string_view bytes,
                                  ExistingFile existing) {
  // Beyond a file-size limit write() then fails with EFBIG instead of the
  // signal ending the program with the temporary file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::optional<struct stat> replaced;
  if (existing == ExistingFile::replace) {
    if (isHeldFile(target)) return ReplaceRefusal::heldDatabase;
    if (auto refused = replaceableFile(target, replaced)) return refused;
  }
  TemporaryFile temporary;
  if (auto error = temporary.create(folder)) return error;
  if (replaced) {
    if (auto error = temporary.takeOver(*replaced)) return error;
  }
  if (auto error = temporary.write(bytes)) return error;
  if (auto error = temporary.finish(bytes.size())) return error;
  if (auto error = temporary.renameOnto(target, existing)) return error;
  syncFolder(folder);
  return {};
}

}  // namespace kelvaro
