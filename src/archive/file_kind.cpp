#include "archive/file_kind.h"

#include "core/text_encoding.h"

namespace kelvaro::archive {

namespace fs = std::filesystem;

std::optional<std::string> otherKindText(fs::file_type type) {
  switch (type) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
    case fs::file_type::none:
      return std::nullopt;
    case fs::file_type::directory:
      return "ein Ordner";
    case fs::file_type::fifo:
      return "eine benannte Pipe";
    case fs::file_type::character:
    case fs::file_type::block:
      return "ein Gerät";
    case fs::file_type::socket:
      return "ein Socket";
    default:
      return "keine gewöhnliche Datei";
  }
}

std::optional<std::string> archiveFileFault(const fs::path& file) {
  std::error_code error;
  const auto kind = otherKindText(fs::status(file, error).type());
  if (!kind) return std::nullopt;
  return "Das Personenarchiv " + utf8FromPath(file) + " ist " + *kind + ", keine Datei.";
}

}  // namespace kelvaro::archive
