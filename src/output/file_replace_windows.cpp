#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <string>

#include "core/held_files.h"
#include "core/windows_error.h"
#include "output/file_replace.h"

namespace kelvaro {
namespace {

// The attributes a replaced file keeps.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

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

  // The attributes of the replaced file that the new one keeps.
  std::error_code takeOver(DWORD attributes) {
    const DWORD kept = attributes & kKeptAttributes;
    if (kept != 0 && !::SetFileAttributesW(path_.c_str(), kept)) return lastWindowsError();
    return {};
  }

  // Moves the file onto the target, written through to the disk. (Moving
  // within one folder is atomic; ReplaceFileW would also keep the target's
  // attributes, but leaves a backup file behind where it fails half-way.)
  // Without MOVEFILE_REPLACE_EXISTING the move fails where the name is taken.
  std::error_code renameOnto(const std::filesystem::path& target, ExistingFile existing) {
    const DWORD replace = existing == ExistingFile::replace ? MOVEFILE_REPLACE_EXISTING : 0;
    if (!::MoveFileExW(path_.c_str(), target.c_str(), replace | MOVEFILE_WRITE_THROUGH)) {
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

// The attributes of the file that has the target's name, nothing where
// there is none; or the refusal to replace it. The file is opened without
// access to learn what it is: a device name such as NUL is no disk file.
std::error_code replaceableFile(const std::filesystem::path& target,
                                std::optional<DWORD>& attributes) {
  const HANDLE file = ::CreateFileW(
      target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return errnoFromWindowsError(error);
  }
  BY_HANDLE_FILE_INFORMATION information{};
  const bool disk = ::GetFileType(file) == FILE_TYPE_DISK;
  const bool known = ::GetFileInformationByHandle(file, &information) != 0;
  ::CloseHandle(file);
  if (!disk || !known) return ReplaceRefusal::notAPlainFile;
  const DWORD found = information.dwFileAttributes;
  if ((found & FILE_ATTRIBUTE_DIRECTORY) != 0) return {EISDIR, std::generic_category()};
  if ((found & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) != 0) {
    return ReplaceRefusal::notAPlainFile;
  }
  if ((found & FILE_ATTRIBUTE_READONLY) != 0) return ReplaceRefusal::writeProtected;
  attributes = found;
  return {};
}

}  // namespace

std::error_code moveIfFree(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return lastWindowsError();
  return {};
}

std::error_code writeFileContents(const std::filesystem::path& target, std::string_view bytes,
                                  ExistingFile existing) {
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::optional<DWORD> replaced;
  if (existing == ExistingFile::replace) {
    if (isHeldFile(target)) return ReplaceRefusal::heldDatabase;
    if (auto refused = replaceableFile(target, replaced)) return refused;
  }
  TemporaryFile temporary;
  if (auto error = temporary.create(folder)) return error;
  if (auto error = temporary.write(bytes)) return error;
  if (auto error = temporary.finish(bytes.size())) return error;
  if (replaced) {
    if (auto error = temporary.takeOver(*replaced)) return error;
  }
  return temporary.renameOnto(target, existing);
}

}  // namespace kelvaro
