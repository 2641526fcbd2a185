#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "chart/zone_files.h"

namespace kelvaro::chart {
namespace {

std::filesystem::path programFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

std::string findFolder() {
  if (const char* folder = std::getenv("TZDIR"); folder && *folder) return folder;
  // Forward slashes: the time-zone library joins zone names with "/".
  const std::u8string name = (programFolder() / "zoneinfo").generic_u8string();
  const std::string folder(name.begin(), name.end());
  _putenv_s("TZDIR", folder.c_str());
  return folder;
}

}  // namespace

std::string zoneFilesFolder() {
  static const std::string folder = findFolder();
  return folder;
}

}  // namespace kelvaro::chart
