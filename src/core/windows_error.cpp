#include "core/windows_error.h"

#include <windows.h>

#include <cerrno>

namespace kelvaro {

std::error_code errnoFromWindowsError(unsigned long code) {
  int error = EIO;
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      error = ENOENT;
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      error = EACCES;
      break;
    case ERROR_WRITE_PROTECT:
      error = EROFS;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      error = ENOSPC;
      break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      error = EEXIST;
      break;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
      error = EINVAL;
      break;
    case ERROR_FILENAME_EXCED_RANGE:
      error = ENAMETOOLONG;
      break;
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
      error = ENODEV;
      break;
    default:
      break;
  }
  return {error, std::generic_category()};
}

std::error_code lastWindowsError() { return errnoFromWindowsError(::GetLastError()); }

}  // namespace kelvaro
