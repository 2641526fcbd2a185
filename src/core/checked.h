#pragma once

#include <string>
#include <variant>

namespace kelvaro {

// A refused user entry: the exact text of the message the user sees. Line
// breaks inside the text are written as "\r"; the window shows them as line
// breaks, the command line prints "\n".
struct Rejection {
  std::string message;
  friend bool operator==(const Rejection&, const Rejection&) = default;
};

// Either the checked value or the reason it was refused. User errors never
// throw.
template <typename T>
using Checked = std::variant<T, Rejection>;

template <typename T>
const Rejection* rejection(const Checked<T>& checked) {
  return std::get_if<Rejection>(&checked);
}

}  // namespace kelvaro
