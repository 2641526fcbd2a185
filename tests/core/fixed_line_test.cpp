#include "core/fixed_line.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(FixedLine, JoinsShortTextsAndLiteralsInOrder) {
  FixedLine line;
  line << ShortText::of("KNt") << " + " << ShortText::of("") << ShortText::of("07°30'") << "=";
  EXPECT_EQ(line.view(), "KNt + 07°30'=");
}

TEST(FixedLine, RefusesToOutgrowItsArrayAndKeepsWhatItHas) {
  FixedLine line;
  const std::string fifteen(15, 'x');
  const ShortText piece = ShortText::of(fifteen + "cut");  // only the first 15 bytes are held
  EXPECT_EQ(piece.view(), fifteen);
  // A short text needs room for its whole array, so the last one that fits
  // leaves fewer than ShortText::kCapacity bytes free.
  std::size_t pieces = 0;
  while (FixedLine::kCapacity - line.view().size() >= ShortText::kCapacity) {
    line << piece;
    ++pieces;
  }
  const std::string_view before = line.view();
  EXPECT_THROW(line << piece, std::length_error);
  EXPECT_EQ(line.view(), before);
  EXPECT_EQ(before.size(), pieces * fifteen.size());
}

}  // namespace
}  // namespace kelvaro
