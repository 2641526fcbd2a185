#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the person form.
std::vector<std::string> personFormHelp();

}  // namespace kelvaro::ui
