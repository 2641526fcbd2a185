#include "chart/zone_files.h"

namespace kelvaro::chart {

// The folder the time-zone library reads, whatever TZDIR says: zone names
// and rules must come from the same files.
std::string zoneFilesFolder() { return "/usr/share/zoneinfo"; }

}  // namespace kelvaro::chart
