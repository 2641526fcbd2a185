#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace kelvaro::cli {

// Makes the command-line parser speak German: the help flags and --version,
// the headings and labels of the help, and the messages of wrong usage.
// Call it before any option or subcommand is added, which take over its
// settings.
void useGermanTexts(CLI::App& app);

// The German message of a usage error, without the hint to the help.
std::string usageErrorText(const CLI::Error& error);

}  // namespace kelvaro::cli
