#include "output/free_file_name.h"

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

constexpr int kMostNumbers = 9999;

}  // namespace

std::string numberedFileName(const std::string& name, int number) {
  if (number <= 1) return name;
  const std::size_t dot = name.rfind('.');
  const std::size_t end = dot == std::string::npos || dot == 0 ? name.size() : dot;
  return name.substr(0, end) + " (" + std::to_string(number) + ")" + name.substr(end);
}

WrittenFile writeIntoFolder(const std::filesystem::path& folder, const std::string& name,
                            std::string_view bytes, ExistingFile existing) {
  for (int number = 1; number <= kMostNumbers; ++number) {
    const std::string candidate = numberedFileName(name, number);
    const std::filesystem::path target = folder / pathFromUtf8(candidate);
    std::error_code ignored;
    if (existing == ExistingFile::keep && std::filesystem::symlink_status(target, ignored).type() !=
                                              std::filesystem::file_type::not_found) {
      continue;  // taken: the write below would find that out only at its end
    }
    const std::error_code error = writeFileContents(target, bytes, existing);
    if (error != std::errc::file_exists || existing == ExistingFile::replace) {
      return {candidate, error};
    }
  }
  return {name, std::make_error_code(std::errc::file_exists)};
}

WrittenFile writeBesideEarlier(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path name = target.filename();
  if (name.empty() || name == "." || name == "..") {  // a folder: the write reports it
    return {utf8FromPath(target), writeFileContents(target, bytes, ExistingFile::keep)};
  }
  const std::filesystem::path folder = target.parent_path();
  const std::string asGiven = utf8FromPath(name);
  const WrittenFile written = writeIntoFolder(folder, asGiven, bytes, ExistingFile::keep);
  if (written.name == asGiven) return {utf8FromPath(target), written.error};
  return {utf8FromPath(folder / pathFromUtf8(written.name)), written.error};
}

std::string takenNameNote(const std::string& given, const std::string& written) {
  return "Die Datei " + given + " gibt es schon; geschrieben als " + written + ".";
}

}  // namespace kelvaro
