#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro::cli {

// Where the file and the command stand among the words of kelvaro-cli
// ([--orb D:MM] [--save DIR] [--] FILE COMMAND [ARGS...]): options with
// their values come first, "--" may end them so that the file name may
// begin with "-", the first word after them is the file, the next the
// command.
struct CommandWords {
  std::optional<std::size_t> mark;     // the "--" before the file
  std::optional<std::size_t> file;     // the transit file
  std::optional<std::size_t> command;  // the command
  bool help = false;                   // -h, --help or --help-all before the command
};

CommandWords findCommandWords(const std::vector<std::string_view>& words);

}  // namespace kelvaro::cli
