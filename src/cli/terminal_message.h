#pragma once

#include <string>
#include <string_view>

namespace kelvaro::cli {

// A message as the command-line programs print it on stderr: its "\r" line
// breaks become "\n", and bytes that are no UTF-8 (an argument may hold
// any) show as replacement characters, never raw.
std::string terminalMessage(std::string_view message);

}  // namespace kelvaro::cli
