#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "core/windows_error.h"
#include "loading/file_start.h"

namespace kelvaro {

FileStart readFileStart(const std::filesystem::path& path, std::span<unsigned char> bytes) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {0, {EISDIR, std::generic_category()}, {}};
  }
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {0, lastWindowsError(), {}};
  // A console, a printer port or a pipe could make the read wait for ever.
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    ::CloseHandle(file);
    return {0, {ENODEV, std::generic_category()}, {}};
  }
  FileStart start;
  while (start.size < bytes.size()) {
    DWORD n = 0;
    const auto wanted =
        static_cast<DWORD>(std::min<std::size_t>(bytes.size() - start.size, 1u << 30));
    if (!::ReadFile(file, bytes.data() + start.size, wanted, &n, nullptr)) {
      start.readError = lastWindowsError();
      break;
    }
    if (n == 0) break;
    start.size += n;
  }
  ::CloseHandle(file);
  return start;
}

}  // namespace kelvaro
