#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the window that makes a chart of two persons.
std::vector<std::string> pairChartHelp();

}  // namespace kelvaro::ui
