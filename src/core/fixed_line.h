#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "core/short_text.h"

namespace kelvaro {

// One result line put together on the stack from short pieces, to be
// appended to a ResultText whole. A short text is copied as one block of its
// full array and a literal by its known size, so no piece costs a call.
// A line that would outgrow kCapacity bytes is a fault of its layout.
class FixedLine {
 public:
  static constexpr std::size_t kCapacity = 240;

  FixedLine& operator<<(const ShortText& text) {
    std::memcpy(room(ShortText::kCapacity), text.bytes.data(), ShortText::kCapacity);
    size_ += text.size;
    return *this;
  }
  template <std::size_t N>
  FixedLine& operator<<(const char (&literal)[N]) {
    std::memcpy(room(N - 1), literal, N - 1);
    size_ += N - 1;
    return *this;
  }

  std::string_view view() const { return {bytes_.data(), size_}; }

 private:
  char* room(std::size_t bytes) {
    if (bytes > kCapacity - size_) throw std::length_error("FixedLine: line too long");
    return bytes_.data() + size_;
  }

  std::array<char, kCapacity> bytes_;
  std::size_t size_ = 0;
};

}  // namespace kelvaro
