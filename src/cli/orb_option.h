#pragma once

#include <optional>
#include <string_view>

namespace kelvaro::cli {

// The orb given as "D:MM" (at most one degree digit, at most two minute
// characters), checked like the orb entry of the window.
std::optional<double> parseOrbOption(std::string_view text);

}  // namespace kelvaro::cli
