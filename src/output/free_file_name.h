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

// A file a command line names: written as `target`, or where a file of that
// name is there, under the first free name beside it ("Zeitleiste (2).ics");
// an earlier file is never replaced. `name` is the path written (UTF-8), the
// target's folder with the name taken.
WrittenFile writeBesideEarlier(const std::filesystem::path& target, std::string_view bytes);

// The note a command line gives when the name it was given was taken:
// "Die Datei X gibt es schon; geschrieben als Y." (UTF-8 paths).
std::string takenNameNote(const std::string& given, const std::string& written);

}  // namespace kelvaro
