#pragma once

#include <optional>
#include <string>

namespace kelvaro::cli {

// When an argument names the calendar command or asks for help, replaces
// this process by `program` (the file of that name beside the running one)
// with the same arguments, which knows every command and the calendar too.
// Returns nullopt when nothing was to be handed over (or where processes
// cannot be replaced), otherwise the message why the program did not start.
std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program);

}  // namespace kelvaro::cli
