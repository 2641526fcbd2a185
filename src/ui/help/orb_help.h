#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the orb entry (F1), paragraph by paragraph.
std::vector<std::string> orbHelp();

}  // namespace kelvaro::ui
