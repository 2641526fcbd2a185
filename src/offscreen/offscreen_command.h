#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace kelvaro::offscreen {

// A command of the window program that writes a file without a window: the
// words after the program name (UTF-8), help on `out`, messages on `err`;
// it returns the exit status.
using OffscreenCommand = std::function<int(const std::vector<std::string>& arguments,
                                           std::ostream& out, std::ostream& err)>;

// Runs `command` as main() starts it: without a display (offscreen), Qt's
// own notes kept off stderr, which carries only the command's messages.
int runOffscreen(int argc, char** argv, const OffscreenCommand& command);

}  // namespace kelvaro::offscreen
