#pragma once

// The exit statuses of every Kelvaro command line (kelvaro-cli,
// kelvaro-make-transit, kelvaro-persons, and the window program's --sheet
// and --ephemeris).
namespace kelvaro::cli {

inline constexpr int kExitDone = 0;     // done, the result written
inline constexpr int kExitUsage = 1;    // wrong usage: an unknown option, a word missing
inline constexpr int kExitRefused = 2;  // a refused entry, an unreadable or unwritable file

}  // namespace kelvaro::cli
