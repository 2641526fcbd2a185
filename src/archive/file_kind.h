#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro::archive {

// What a path is that is no plain file, for messages ("ein Ordner", "eine
// benannte Pipe", "ein Gerät", …); nothing for a plain file or nothing there.
std::optional<std::string> otherKindText(std::filesystem::file_type type);

// Why `file` cannot hold a persons archive, judged by stat() before anything
// opens it: opening a named pipe would wait for a writer, a device gives or
// swallows bytes for ever. The German message; nothing for a plain file or a
// path where nothing is yet (and for a path stat() cannot judge, which the
// database library then reports itself).
std::optional<std::string> archiveFileFault(const std::filesystem::path& file);

}  // namespace kelvaro::archive
