#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvaro::ui {

// The help of the window of a new transit file, naming the transit folder.
std::vector<std::string> newTransitHelp(const std::filesystem::path& transitFolder);

}  // namespace kelvaro::ui
