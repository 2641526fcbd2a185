#pragma once

#include <filesystem>
#include <string_view>

namespace kelvaro::archive {

// The archive's file with a suffix added: its journal, write-ahead log and
// shared memory ("-journal", "-wal", "-shm"), or a copy beside it.
std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix);

// Whether a file or folder is there; a failure to look counts as absent.
bool present(const std::filesystem::path& file);

}  // namespace kelvaro::archive
