#include "ui/platform/keywords_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/file_replace.h"

namespace kelvaro::ui {
namespace {

std::optional<std::string> readAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return text;
}

}  // namespace

std::string KeywordsFile::text() {
  failure_.reset();
  std::error_code error;
  if (!std::filesystem::exists(file_, error)) {
    // First use: the shipped keywords become the user's file.
    if (const std::error_code made =
            writeFileContents(file_, shippedKeywords(), ExistingFile::keep)) {
      failure_ = "Die Stichworte-Datei " + utf8FromPath(file_) +
                 " lässt sich nicht anlegen: " + systemErrorText(made) +
                 ". Es gelten die mitgelieferten Stichworte.";
    }
    return std::string(shippedKeywords());
  }
  if (std::filesystem::is_directory(file_, error) ||
      !std::filesystem::is_regular_file(file_, error)) {
    failure_ = "Die Stichworte-Datei " + utf8FromPath(file_) +
               " ist keine gewöhnliche Datei. Es gelten die mitgelieferten Stichworte.";
    return std::string(shippedKeywords());
  }
  if (auto read = readAll(file_)) return std::move(*read);
  failure_ = "Die Stichworte-Datei " + utf8FromPath(file_) +
             " lässt sich nicht lesen. Es gelten die mitgelieferten Stichworte.";
  return std::string(shippedKeywords());
}

const Keywords& KeywordsFile::keywords() {
  keywords_ = Keywords::read(text());
  return keywords_;
}

std::optional<std::string> KeywordsFile::save(const std::string& text) {
  if (const std::error_code error = replaceFileContents(file_, text)) {
    return "Die Stichworte lassen sich nicht speichern unter " + utf8FromPath(file_) + ": " +
           systemErrorText(error);
  }
  return std::nullopt;
}

}  // namespace kelvaro::ui
