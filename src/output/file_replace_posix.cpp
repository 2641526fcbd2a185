#include "output/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace kelvaro {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// An open temporary file beside the target; removed again unless kept.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_ && !path_.empty()) ::unlink(path_.c_str());
  }

  // Creates a new file with a name of its own (never an existing one) in `folder`.
  std::error_code create(const std::filesystem::path& folder) {
    std::random_device seed;
    const std::string stem = ".kelvaro-" + std::to_string(seed()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      auto candidate = folder / (stem + std::to_string(attempt) + ".tmp");
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        path_ = std::move(candidate);
        return {};
      }
      if (errno != EEXIST) return lastError();
    }
    return std::make_error_code(std::errc::file_exists);
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

  std::error_code renameTo(const std::filesystem::path& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) return lastError();
    kept_ = true;
    return {};
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  bool kept_ = false;
};

// Makes the rename itself durable; a failure here no longer endangers any
// content, so it is not reported.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::error_code replaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  TemporaryFile temporary;
  if (auto error = temporary.create(folder)) return error;
  if (auto error = temporary.write(bytes)) return error;
  if (auto error = temporary.finish(bytes.size())) return error;
  if (auto error = temporary.renameTo(target)) return error;
  syncFolder(folder);
  return {};
}

}  // namespace kelvaro
