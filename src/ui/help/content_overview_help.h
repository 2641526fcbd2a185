#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the content overview (F1), paragraph by paragraph.
std::vector<std::string> contentOverviewHelp();

}  // namespace kelvaro::ui
