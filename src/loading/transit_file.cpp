#include "loading/transit_file.h"

#include <array>
#include <span>
#include <system_error>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/file_start.h"

namespace kelvaro {
namespace {

LoadFailure cannotOpen(const std::string& shownPath, int error) {
  return {LoadFailure::Kind::cannotOpen,
          "Die Datei " + shownPath + " lässt sich nicht öffnen: " + systemErrorText(error)};
}

LoadFailure unreadable(const std::string& shownPath) {
  return {LoadFailure::Kind::unreadable, "Ladeversuch mit " + shownPath + " ging daneben"};
}

}  // namespace

LoadResult loadTransitFile(const std::string& path) {
  const std::string shownPath = utf8Left(path, kLineLimit);
  std::array<unsigned char, kRecordSize> bytes{};
  const FileStart start = readFileStart(pathFromUtf8(path), bytes);
  if (start.error) return cannotOpen(shownPath, start.error.value());
  auto record = parseTransitRecord(std::span<const unsigned char>(bytes.data(), start.size));
  if (!record) return unreadable(shownPath);
  return std::move(*record);
}

}  // namespace kelvaro
