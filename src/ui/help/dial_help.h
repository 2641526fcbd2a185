#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the dial window, paragraph by paragraph (empty entries
// between them): what the window is for, every control with an example,
// the keys, and where its files go.
std::vector<std::string> dialHelp();

}  // namespace kelvaro::ui
