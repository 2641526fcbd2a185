#include "output/page_file.h"

#include <array>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/file_replace.h"
#include "output/free_file_name.h"
#include "output/result_file.h"

namespace kelvaro {
namespace {

constexpr std::array<std::string_view, 3> kExtensions = {".pdf", ".png", ".svg"};

std::string withoutTxt(std::string name) {
  if (name.ends_with(".txt")) name.resize(name.size() - 4);
  return name;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string pageFileFailure(const std::string& file, const std::error_code& error) {
  return "Die Datei " + file + " lässt sich nicht speichern: " + systemErrorText(error);
}

}  // namespace

std::string_view pageFormatExtension(PageFormat format) {
  return kExtensions[static_cast<std::size_t>(format)];
}

std::optional<PageFormat> pageFormatOf(const std::filesystem::path& file) {
  std::string extension = utf8FromPath(file.extension());
  for (char& c : extension) c = lowerAscii(c);
  for (std::size_t k = 0; k < kExtensions.size(); ++k) {
    if (extension == kExtensions[k]) return static_cast<PageFormat>(k);
  }
  return std::nullopt;
}

std::string printoutFileName(const TransitRecord& record, PageFormat format) {
  return withoutTxt(resultFileName(record)) + std::string(pageFormatExtension(format));
}

std::string tableFileName(const TransitRecord& record) {
  return withoutTxt(resultFileName(record)) + ".csv";
}

std::string dialSheetFileName(const TransitRecord& record, PageFormat format) {
  return withoutTxt(resultFileName(record)) + "_Gradscheibe" +
         std::string(pageFormatExtension(format));
}

std::string clientSheetFileName(const TransitRecord& record, PageFormat format) {
  return withoutTxt(resultFileName(record)) + "_Klientenblatt" +
         std::string(pageFormatExtension(format));
}

std::string pictureTableFileName(const TransitRecord& record) {
  return withoutTxt(resultFileName(record)) + "_Planetenbilder.csv";
}

std::optional<std::string> writePageFile(const std::filesystem::path& target,
                                         std::string_view bytes) {
  if (const std::error_code error = replaceFileContents(target, bytes)) {
    return pageFileFailure(utf8FromPath(target), error);
  }
  return std::nullopt;
}

Checked<std::string> writeNewPageFile(const std::filesystem::path& target, std::string_view bytes) {
  const WrittenFile written = writeBesideEarlier(target, bytes);
  if (written.error) return Rejection{pageFileFailure(written.name, written.error)};
  return written.name;
}

}  // namespace kelvaro
