#include "core/line_buffer.h"

#include <gtest/gtest.h>

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

TEST(LineBuffer, KeepsTheFirst255CharactersAndCutsAnEntryInTheMiddle) {
  LineBuffer line(" ");
  for (int i = 0; i < 40; ++i) line.append(" MOr/SAt");
  EXPECT_EQ(line.length(), 255u);
  EXPECT_EQ(line.text().size(), 255u);
  EXPECT_EQ(line.text().substr(249), " MOr/S");
}

TEST(LineBuffer, CountsCharactersOfMultiByteText) {
  LineBuffer line("", 5);
  line.append("äöü");
  line.append("°°°");
  EXPECT_EQ(line.text(), "äöü°°");
  EXPECT_EQ(utf8Length(line.text()), 5u);
}

TEST(LineBuffer, ResetStartsAgain) {
  LineBuffer line(" ", 4);
  line.append("abcdef");
  line.reset(" ");
  EXPECT_EQ(line.text(), " ");
  line.append("xy");
  EXPECT_EQ(line.text(), " xy");
}

}  // namespace
}  // namespace kelvaro
