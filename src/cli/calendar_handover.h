#pragma once

#include <optional>
#include <string>

namespace kelvaro::cli {

// When the command is the calendar (the word after the file, see
// command_words.h) or the help is asked for, runs `program` instead of this
// process with the same arguments, which knows every command and the
// calendar too (cli/program_start.h says where it is looked for and how it
// replaces this process). A program there that would hand the run over once
// more (a copy of kelvaro-cli in its place) stops with a message instead.
// Returns nullopt when nothing was to be handed over and when only the help
// was asked for; otherwise the message why the program did not start.
std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program);

}  // namespace kelvaro::cli
