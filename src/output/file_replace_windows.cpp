#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>

#include "core/windows_error.h"
#include "output/file_replace.h"

namespace kelvaro {
namespace {

// An open temporary file beside the target; removed again unless kept.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (file_ != INVALID_HANDLE_VALUE) ::CloseHandle(file_);
    if (!kept_ && !path_.empty()) ::DeleteFileW(path_.c_str());
  }

  // Creates a new file with a name of its own (never an existing one) in `folder`.
  std::error_code create(const std::filesystem::path& folder) {
    std::random_device seed;
    const std::string stem = ".kelvaro-" + std::to_string(seed()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      auto candidate = folder / (stem + std::to_string(attempt) + ".tmp");
      file_ = ::CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file_ != INVALID_HANDLE_VALUE) {
        path_ = std::move(candidate);
        return {};
      }
      if (::GetLastError() != ERROR_FILE_EXISTS) return lastWindowsError();
    }
    return std::make_error_code(std::errc::file_exists);
  }

  std::error_code write(std::string_view bytes) {
    while (!bytes.empty()) {
      DWORD written = 0;
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      if (!::WriteFile(file_, bytes.data(), chunk, &written, nullptr)) return lastWindowsError();
      bytes.remove_prefix(written);
    }
    return {};
  }

  // Flushes to the disk, checks that the file holds `size` bytes, closes it.
  std::error_code finish(std::size_t size) {
    if (!::FlushFileBuffers(file_)) return lastWindowsError();
    LARGE_INTEGER length{};
    if (!::GetFileSizeEx(file_, &length)) return lastWindowsError();
    if (static_cast<std::size_t>(length.QuadPart) != size) {
      return std::make_error_code(std::errc::io_error);
    }
    const HANDLE file = file_;
    file_ = INVALID_HANDLE_VALUE;
    if (!::CloseHandle(file)) return lastWindowsError();
    return {};
  }

  // Moves the file over the target, written through to the disk. (Moving
  // within one folder is atomic; ReplaceFileW would also keep the target's
  // attributes, but leaves a backup file behind where it fails half-way.)
  std::error_code renameTo(const std::filesystem::path& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return {EISDIR, std::generic_category()};
    }
    if (!::MoveFileExW(path_.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return lastWindowsError();
    }
    kept_ = true;
    return {};
  }

 private:
  std::filesystem::path path_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool kept_ = false;
};

}  // namespace

std::error_code replaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  TemporaryFile temporary;
  if (auto error = temporary.create(folder)) return error;
  if (auto error = temporary.write(bytes)) return error;
  if (auto error = temporary.finish(bytes.size())) return error;
  return temporary.renameTo(target);
}

}  // namespace kelvaro
