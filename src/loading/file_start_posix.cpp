#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "loading/file_start.h"

namespace kelvaro {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// Opens for blocking reads after an open that does not block; -1 with errno
// set when the file cannot be opened.
int openForReading(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

std::size_t readUpTo(int fd, std::span<unsigned char> bytes, std::error_code& readError) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) readError = lastError();
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace

FileStart readFileStart(const std::filesystem::path& path, std::span<unsigned char> bytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return {0, {EISDIR, std::generic_category()}, {}};
  const int fd = openForReading(path);
  if (fd < 0) return {0, lastError(), {}};
  FileStart start;
  start.size = readUpTo(fd, bytes, start.readError);
  ::close(fd);
  return start;
}

}  // namespace kelvaro
