#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace kelvaro::cli {

// A message as the command-line programs print it on stderr: its "\r" line
// breaks become "\n", and bytes that are no UTF-8 (an argument may hold
// any) show as replacement characters, never raw.
std::string terminalMessage(std::string_view message);

// A stream for messages: each line written reaches `target` as
// terminalMessage() shows it; the rest of a line goes with flush() and at the
// end. What a program prints on stderr can so quote any argument.
class TerminalMessageStream : public std::ostream {
 public:
  explicit TerminalMessageStream(std::ostream& target);
  ~TerminalMessageStream() override;
  TerminalMessageStream(const TerminalMessageStream&) = delete;
  TerminalMessageStream& operator=(const TerminalMessageStream&) = delete;

 private:
  class LineBuffer : public std::streambuf {
   public:
    explicit LineBuffer(std::ostream& target) : target_(target) {}

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

   private:
    void passLines();
    std::ostream& target_;
    std::string pending_;
  };
  LineBuffer buffer_;
};

}  // namespace kelvaro::cli
