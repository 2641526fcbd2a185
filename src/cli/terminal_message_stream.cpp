// The stream of messages, apart from terminalMessage() so that programs
// that do not use it do not link it.
#include "cli/terminal_message.h"

namespace kelvaro::cli {

TerminalMessageStream::TerminalMessageStream(std::ostream& target)
    : std::ostream(nullptr), buffer_(target) {
  rdbuf(&buffer_);
}

TerminalMessageStream::~TerminalMessageStream() { buffer_.pubsync(); }

void TerminalMessageStream::LineBuffer::passLines() {
  const std::size_t end = pending_.rfind('\n');
  if (end == std::string::npos) return;
  target_ << terminalMessage(std::string_view(pending_).substr(0, end + 1));
  pending_.erase(0, end + 1);
}

TerminalMessageStream::LineBuffer::int_type TerminalMessageStream::LineBuffer::overflow(
    int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  pending_ += traits_type::to_char_type(c);
  if (c == '\n') passLines();
  return c;
}

std::streamsize TerminalMessageStream::LineBuffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  passLines();
  return count;
}

int TerminalMessageStream::LineBuffer::sync() {
  target_ << terminalMessage(pending_);
  pending_.clear();
  return target_.flush() ? 0 : -1;
}

}  // namespace kelvaro::cli
