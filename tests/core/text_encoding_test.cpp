#include "core/text_encoding.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Windows1252, DecodesLettersAndTheHighControlRange) {
  EXPECT_EQ(windows1252ToUtf8("M\xFCller \xDF \xE9 \x80 \xB0"), "Müller ß é € °");
  EXPECT_EQ(windows1252ToUtf8("\x81\x9D"), "\u0081\u009D");  // undefined bytes
  EXPECT_EQ(windows1252ToUtf8("\x8A\x9F"), "ŠŸ");
}

TEST(Windows1252, EncodesAndReplacesWhatItCannotHold) {
  EXPECT_EQ(utf8ToWindows1252("Müller €°"), "M\xFCller \x80\xB0");
  EXPECT_EQ(utf8ToWindows1252("ЖЖ+JU 😀"), "??+JU ?");
  EXPECT_EQ(utf8ToWindows1252("\xFF\xC3"), "??");  // malformed UTF-8
}

TEST(Windows1252, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Utf8, CountsAndCutsCharactersNotBytes) {
  EXPECT_EQ(utf8Length("Häuser°"), 7u);
  EXPECT_EQ(utf8Left("Häuser", 2), "Hä");
  EXPECT_EQ(utf8Left("abc", 10), "abc");
  EXPECT_EQ(utf8Mid("005°15'", 1, 6), "05°15'");
  EXPECT_EQ(utf8Length("\xF0\x9F\x98\x80x"), 2u);
  EXPECT_EQ(utf8Length("\xE2\x82"), 2u);  // truncated sequence: one per byte
}

TEST(Utf8, DecodesToCodePoints) {
  EXPECT_EQ(utf8ToCodePoints("aä€😀"), U"aä€😀");
  EXPECT_EQ(codePointsToUtf8(U"aä€😀"), "aä€😀");
  EXPECT_EQ(utf8ToCodePoints("\xC0\x80"), U"\uFFFD\uFFFD");  // overlong
}

TEST(Utf8, TellsWellFormedFromMalformed) {
  for (const char* good : {"", "Müller", "€ 😀", "\xEF\xBF\xBD" /* U+FFFD itself */}) {
    EXPECT_TRUE(isUtf8(good)) << good;
  }
  for (const char* bad : {"M\xFCller", "\xC3", "\xC0\x80", "\xED\xA0\x80" /* surrogate */,
                          "\xF4\x90\x80\x80" /* beyond U+10FFFF */, "ab\x80"}) {
    EXPECT_FALSE(isUtf8(bad)) << bad;
  }
}

}  // namespace
}  // namespace kelvaro
