#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the persons window.
std::vector<std::string> personsHelp();

}  // namespace kelvaro::ui
