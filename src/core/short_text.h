#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kelvaro {

// A text of at most 15 bytes held in place: the factor names and dial texts
// that long lists repeat thousands of times, without a heap string each. The
// whole array is always initialised, so it can be copied as one block.
struct ShortText {
  static constexpr std::size_t kCapacity = 16;

  std::array<char, kCapacity> bytes{};
  std::uint8_t size = 0;

  // The first kCapacity − 1 bytes of `text`.
  static ShortText of(std::string_view text) {
    ShortText made;
    made.size = static_cast<std::uint8_t>(text.copy(made.bytes.data(), kCapacity - 1));
    return made;
  }

  std::string_view view() const { return {bytes.data(), size}; }
};

}  // namespace kelvaro
