#include "loading/transit_file.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/line_buffer.h"
#include "core/text_encoding.h"

namespace kelvaro {
namespace {

LoadFailure cannotOpen(const std::string& shownPath, int error) {
  return {LoadFailure::Kind::cannotOpen, "Die Datei " + shownPath +
                                             " lässt sich nicht öffnen: " +
                                             std::generic_category().message(error)};
}

LoadFailure unreadable(const std::string& shownPath) {
  return {LoadFailure::Kind::unreadable, "Ladeversuch mit " + shownPath + " ging daneben"};
}

}  // namespace

LoadResult loadTransitFile(const std::string& path) {
  const std::string shownPath = utf8Left(path, kLineLimit);
  const std::filesystem::path fsPath = pathFromUtf8(path);

  std::error_code ec;
  if (std::filesystem::is_directory(fsPath, ec)) return cannotOpen(shownPath, EISDIR);

  errno = 0;
  std::ifstream file(fsPath, std::ios::binary);
  if (!file) return cannotOpen(shownPath, errno != 0 ? errno : EIO);

  std::array<unsigned char, kRecordSize> bytes{};
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  const auto read = static_cast<std::size_t>(file.gcount());
  auto record = parseTransitRecord(std::span<const unsigned char>(bytes.data(), read));
  if (!record) return unreadable(shownPath);
  return std::move(*record);
}

}  // namespace kelvaro
