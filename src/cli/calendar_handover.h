#pragma once

#include <optional>
#include <string>

namespace kelvaro::cli {

// When an argument names the calendar command or asks for help, runs
// `program` instead of this process with the same arguments, which knows
// every command and the calendar too (see cli/program_start.h for where it
// is looked for and how it replaces this process). Returns nullopt when
// nothing was to be handed over and when only the help was asked for;
// otherwise the message why the program did not start.
std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program);

}  // namespace kelvaro::cli
