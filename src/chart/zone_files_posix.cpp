#include "chart/zone_files.h"

#include <filesystem>
#include <system_error>

namespace kelvaro::chart {

// The folder the time-zone library reads, found as that library finds it,
// whatever TZDIR says: zone names and rules must come from the same files.
std::string zoneFilesFolder() {
  static const std::string kFolder = [] {
    std::error_code error;
    const std::string uclibc = "/usr/share/zoneinfo/uclibc";
    return std::filesystem::is_directory(uclibc, error) ? uclibc
                                                        : std::string("/usr/share/zoneinfo");
  }();
  return kFolder;
}

}  // namespace kelvaro::chart
