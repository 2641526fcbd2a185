#include <windows.h>

#include <cerrno>

#include "core/windows_error.h"
#include "loading/file_start.h"

namespace kelvaro {

FileStart readFileStart(const std::filesystem::path& path, std::span<unsigned char> bytes) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {0, {EISDIR, std::generic_category()}};
  }
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {0, lastWindowsError()};
  // A console, a printer port or a pipe could make the read wait for ever.
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    ::CloseHandle(file);
    return {0, {ENODEV, std::generic_category()}};
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    const auto wanted = static_cast<DWORD>(bytes.size() - done);
    if (!::ReadFile(file, bytes.data() + done, wanted, &n, nullptr) || n == 0) break;
    done += n;
  }
  ::CloseHandle(file);
  return {done, {}};
}

}  // namespace kelvaro
