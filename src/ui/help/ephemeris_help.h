#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the graphic ephemeris.
std::vector<std::string> ephemerisHelp();

}  // namespace kelvaro::ui
