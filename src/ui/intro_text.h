#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The 35 lines of the introduction shown before a file is loaded.
// `programFolder` is the folder the transit files are saved in, as the user
// reads it.
std::vector<std::string> introLines(const std::string& programFolder);

// The last line of the introduction: the greeting and the signature.
std::string greetingLine();

}  // namespace kelvaro::ui
