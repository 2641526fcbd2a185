#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_set.h"

namespace kelvaro::cli {

// The values of the options and arguments in front of the subcommand.
struct CommandLine {
  std::string orbText = "1:12";       // --orb D:MM
  std::string file;                   // FILE
  std::string saveFolder;             // --save DIR
  const CLI::Option* save = nullptr;  // counts whether --save was given
};

// Declares the options, the FILE argument and every subcommand of
// kelvaro-cli on `app`; parsing then fills `line` and chooses one command.
void declareCommandLine(CLI::App& app, CommandLine& line, CommandSet& commands);

}  // namespace kelvaro::cli
