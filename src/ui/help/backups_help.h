#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the window that restores a backup of the persons archive (F1).
std::vector<std::string> backupsHelp();

}  // namespace kelvaro::ui
