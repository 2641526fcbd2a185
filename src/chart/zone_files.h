#pragma once

#include <string>

namespace kelvaro::chart {

// The folder of the compiled time zone files (one file per zone name, as in
// Debian's tzdata) that the time-zone library and the rule reader use.
// POSIX: /usr/share/zoneinfo, the folder the time-zone library is built
// for (it does not look at TZDIR). Windows: the folder TZDIR names where
// set, else the folder "zoneinfo" beside the program, which the setup
// installs; that one is then put into TZDIR, where the time-zone library
// looks for it.
std::string zoneFilesFolder();

}  // namespace kelvaro::chart
