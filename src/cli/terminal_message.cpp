#include "cli/terminal_message.h"

#include "core/text_encoding.h"

namespace kelvaro::cli {

std::string terminalMessage(std::string_view message) {
  std::string shown = showableUtf8(message);
  for (char& c : shown) {
    if (c == '\r') c = '\n';
  }
  return shown;
}

}  // namespace kelvaro::cli
