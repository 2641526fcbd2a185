#include "archive/companion_files.h"

namespace kelvaro::archive {

std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix) {
  std::filesystem::path named = file;
  named += suffix;
  return named;
}

bool present(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::exists(file, error);
}

}  // namespace kelvaro::archive
