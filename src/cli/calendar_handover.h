#pragma once

#include <optional>
#include <string>

namespace kelvaro::cli {

// When an argument names the calendar command or asks for help, replaces
// this process by `program` with the same arguments, which knows every
// command and the calendar too. The program is looked for beside the running
// one, then in ../libexec/kelvaro/ (where an installation keeps it).
// Returns nullopt when nothing was to be handed over (or where processes
// cannot be replaced) and when only the help was asked for; otherwise the
// message why the program did not start.
std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program);

}  // namespace kelvaro::cli
