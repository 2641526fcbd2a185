#include "archive/aaf_file.h"

#include <optional>
#include <span>

#include "archive/file_kind.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/file_start.h"

namespace kelvaro::archive {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kMegabyte = std::uintmax_t{1024} * 1024;

std::string named(const fs::path& file) { return "Die AAF-Datei " + utf8FromPath(file); }

Rejection unreadable(const fs::path& file, const std::error_code& error) {
  return Rejection{named(file) + " lässt sich nicht lesen: " + systemErrorText(error) + "."};
}

// `size`: the size stat() gave, where it did.
Rejection tooLarge(const fs::path& file, std::optional<std::uintmax_t> size) {
  const std::string limit = std::to_string(kAafFileLimit / kMegabyte) + " MB";
  return Rejection{named(file) +
                   (size
                        ? " ist " + std::to_string((*size + kMegabyte - 1) / kMegabyte) + " MB groß"
                        : " ist größer als " + limit) +
                   "; Kelvaro liest AAF-Dateien bis " + limit + "."};
}

// Reads up to `limit` + 1 bytes (one more tells a file over the limit).
Checked<std::string> readUpTo(const fs::path& file, std::uintmax_t limit) {
  std::string bytes(static_cast<std::size_t>(limit) + 1, '\0');
  const FileStart start =
      readFileStart(file, std::span(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size()));
  if (start.error) return unreadable(file, start.error);
  if (start.readError) return unreadable(file, start.readError);
  bytes.resize(start.size);
  return bytes;
}

}  // namespace

Checked<std::string> readAafFile(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) {
    return unreadable(file, std::make_error_code(std::errc::no_such_file_or_directory));
  }
  if (error) return unreadable(file, error);
  if (const auto kind = otherKindText(status.type())) {
    return Rejection{named(file) + " ist " + *kind + ", keine Datei."};
  }
  const std::uintmax_t size = fs::file_size(file, error);
  if (error) return unreadable(file, error);
  if (size > kAafFileLimit) return tooLarge(file, size);
  auto bytes = readUpTo(file, size);
  // A file that gives more than its size said (it grew, or the system makes
  // it up as it goes) is read again, now up to the limit.
  if (const std::string* read = std::get_if<std::string>(&bytes); read && read->size() > size) {
    bytes = readUpTo(file, kAafFileLimit);
  }
  if (const std::string* read = std::get_if<std::string>(&bytes);
      read && read->size() > kAafFileLimit) {
    return tooLarge(file, std::nullopt);
  }
  return bytes;
}

}  // namespace kelvaro::archive
