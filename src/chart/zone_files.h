#pragma once

#include <string>

namespace kelvaro::chart {

// The folder of the compiled time zone files (one file per zone name, as in
// Debian's tzdata) that the time-zone library and the rule reader use. TZDIR
// names it where set. Otherwise: POSIX, /usr/share/zoneinfo; Windows, the
// folder "zoneinfo" beside the program, which the setup installs; there it
// is also put into TZDIR, where the time-zone library looks for it.
std::string zoneFilesFolder();

}  // namespace kelvaro::chart
