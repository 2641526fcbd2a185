#include <cstdlib>

#include "chart/zone_files.h"

namespace kelvaro::chart {

std::string zoneFilesFolder() {
  const char* folder = std::getenv("TZDIR");
  return folder && *folder ? folder : "/usr/share/zoneinfo";
}

}  // namespace kelvaro::chart
