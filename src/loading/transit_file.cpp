#include "loading/transit_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <span>
#include <system_error>

#include "core/line_buffer.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"

namespace kelvaro {
namespace {

LoadFailure cannotOpen(const std::string& shownPath, int error) {
  return {LoadFailure::Kind::cannotOpen, "Die Datei " + shownPath +
                                             " lässt sich nicht öffnen: " +
                                             systemErrorText(error)};
}

LoadFailure unreadable(const std::string& shownPath) {
  return {LoadFailure::Kind::unreadable, "Ladeversuch mit " + shownPath + " ging daneben"};
}

// Opens the file for blocking reads without blocking in the open itself: a
// named pipe that nobody writes into would otherwise hold the open for ever.
// Reading such a pipe ends at once; a pipe with a writer (a process
// substitution on the command line) is read like a file. -1 with errno set
// when the file cannot be opened.
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

// Fills `bytes` as far as the file goes; a read error ends the file too.
std::size_t readUpTo(int fd, std::span<unsigned char> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace

LoadResult loadTransitFile(const std::string& path) {
  const std::string shownPath = utf8Left(path, kLineLimit);
  const std::filesystem::path fsPath = pathFromUtf8(path);

  std::error_code ec;
  if (std::filesystem::is_directory(fsPath, ec)) return cannotOpen(shownPath, EISDIR);

  const int fd = openForReading(fsPath);
  if (fd < 0) return cannotOpen(shownPath, errno);
  std::array<unsigned char, kRecordSize> bytes{};
  const std::size_t read = readUpTo(fd, bytes);
  ::close(fd);
  auto record = parseTransitRecord(std::span<const unsigned char>(bytes.data(), read));
  if (!record) return unreadable(shownPath);
  return std::move(*record);
}

}  // namespace kelvaro
