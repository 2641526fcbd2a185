#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/keywords.h"

namespace kelvaro::ui {

// The astrologer's keywords file in the program folder. Where it is missing
// it is made from the keywords Kelvaro ships, so that it can be opened in any
// editor; it is never rewritten except by save(). A file that cannot be read
// leaves the shipped keywords in use and says why.
class KeywordsFile {
 public:
  explicit KeywordsFile(std::filesystem::path file) : file_(std::move(file)) {}

  const std::filesystem::path& path() const { return file_; }

  // The keywords as the file holds them now (read again on every call, as
  // the file may have been changed in an editor since).
  const Keywords& keywords();
  // The file's text as it is, for editing; the shipped text where it is missing.
  std::string text();
  // Why the file could not be read or made at the last reading; none when it could.
  const std::optional<std::string>& failure() const { return failure_; }

  // Replaces the file's text (safely: the old text stays whole until the new
  // one is written); the German message when that fails.
  std::optional<std::string> save(const std::string& text);

 private:
  std::filesystem::path file_;
  Keywords keywords_;
  std::optional<std::string> failure_;
};

}  // namespace kelvaro::ui
