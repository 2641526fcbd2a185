#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kelvaro {

// The longest file name (in bytes of UTF-8) that the usual file systems
// take; on Windows the limit counts UTF-16 units, which are never more.
inline constexpr std::size_t kLongestFileName = 255;

// "<Name>-<Vorname>-<TTMMJJJJ>.dat", the name a new transit file gets in the
// transit folder. It begins with a letter or a digit: characters before the
// first one are left out, so that no program takes the name for an option
// ("-rf-Anna-08122026.dat" becomes "rf-Anna-08122026.dat").
std::string transitFileName(const std::string& name, const std::string& firstName, int day,
                            int month, int year);

// The message that refuses a name and first name whose file name would be
// longer than a file system takes; nothing when it fits.
std::optional<std::string> transitFileNameLengthRefusal(const std::string& fileName);

}  // namespace kelvaro
