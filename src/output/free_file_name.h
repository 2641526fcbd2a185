#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "output/file_replace.h"

namespace kelvaro {

// "Name (2).txt": the file name with the number before its extension (the
// number 1 leaves the name as it is).
std::string numberedFileName(const std::string& name, int number);

// The outcome of a write into a folder: the name written, or the error.
struct WrittenFile {
  std::string name;
  std::error_code error;
};

// Writes `bytes` into `folder` under `name`. With ExistingFile::replace an
// earlier file of that name is replaced (see writeFileContents); with
// ExistingFile::keep it stays, and the bytes go under the first free name
// of "name (2).ext", "name (3).ext", … instead.
WrittenFile writeIntoFolder(const std::filesystem::path& folder, const std::string& name,
                            std::string_view bytes, ExistingFile existing);

}  // namespace kelvaro
