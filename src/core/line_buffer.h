#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvaro {

// Longest line or list that a result line buffer holds, in characters.
inline constexpr std::size_t kLineLimit = 255;

// A result line under construction: appends beyond the limit are cut, so the
// line keeps its first `limit` characters (an entry may be cut in the middle).
class LineBuffer {
 public:
  explicit LineBuffer(std::string start = {}, std::size_t limit = kLineLimit);

  void append(std::string_view text);
  void reset(std::string start = {});

  const std::string& text() const { return text_; }
  std::size_t length() const { return length_; }
  bool empty() const { return text_.empty(); }

 private:
  std::string text_;
  std::size_t length_ = 0;
  std::size_t limit_;
};

}  // namespace kelvaro
