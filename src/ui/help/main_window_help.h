#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the main window (F1), paragraph by paragraph (empty entries
// between them): the road of one load, the searches with an example
// each, the orb, the result list and its keys.
std::vector<std::string> mainWindowHelp();

}  // namespace kelvaro::ui
