#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "search/search_angle.h"

namespace kelvaro::cli {

// Declares the ANGLE argument of option 3's commands: "D:MM", the texts of
// the degrees and the minutes field (either may be empty).
CLI::Option* addAngleArgument(CLI::App* command, std::string& angleText);

// The angle check of option 3 on the two texts of an ANGLE argument.
SearchAngleCheck checkAngleArgument(const std::string& angleText);

}  // namespace kelvaro::cli
