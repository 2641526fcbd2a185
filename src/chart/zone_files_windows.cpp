#include <cstdlib>
#include <filesystem>
#include <string>

#include "chart/zone_files.h"
#include "core/running_program.h"

namespace kelvaro::chart {
namespace {

std::string findFolder() {
  if (const char* folder = std::getenv("TZDIR"); folder && *folder) return folder;
  // Forward slashes: the time-zone library joins zone names with "/".
  const std::u8string name = (runningProgram().parent_path() / "zoneinfo").generic_u8string();
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
