#include "loading/orb_entry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kelvaro {
namespace {

struct OrbCase {
  const char* degrees;
  const char* minutes;
  bool valid;
  double orb;
};

// The entry as typed, in the name of its test (not the addresses of its texts).
// NOLINTNEXTLINE(readability-identifier-naming): GoogleTest looks for this name
void PrintTo(const OrbCase& c, std::ostream* out) {
  *out << '[' << c.degrees << ':' << c.minutes << ']';
}

class OrbEntry : public ::testing::TestWithParam<OrbCase> {};

TEST_P(OrbEntry, ChecksDegreesAndMinutes) {
  const OrbCase& c = GetParam();
  const OrbEntryCheck check = checkOrbEntry(c.degrees, c.minutes);
  EXPECT_EQ(check.valid, c.valid);
  EXPECT_DOUBLE_EQ(check.orb, c.orb);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, OrbEntry,
    ::testing::Values(OrbCase{"1", "12", true, 1.2}, OrbCase{"", "30", true, 0.5},
                      OrbCase{" ", "30", true, 0.5}, OrbCase{"2", "", true, 2.0},
                      OrbCase{"9", "59", true, 9 + 59.0 / 60}, OrbCase{"0", "59", true, 59.0 / 60},
                      OrbCase{"+1", "+5", true, 1 + 5.0 / 60},
                      // refused: the orb falls back to 1.0
                      OrbCase{"0", "00", false, 1.0}, OrbCase{"", "", false, 1.0},
                      OrbCase{"1", "60", false, 1.0}, OrbCase{"a", "12", false, 1.0},
                      OrbCase{"1", "1x", false, 1.0}, OrbCase{"1", "-5", false, 1.0},
                      OrbCase{"-", "30", false, 1.0}, OrbCase{"1", "  ", false, 1.0},
                      OrbCase{"1", "1.", false, 1.0}, OrbCase{"+", "10", false, 1.0}));

TEST(OrbEntryTexts, EmptyFieldsAreFilledIn) {
  const OrbEntryCheck check = checkOrbEntry("2", "");
  EXPECT_EQ(check.degreesText, "2");
  EXPECT_EQ(check.minutesText, "00");
  EXPECT_EQ(checkOrbEntry(" ", "5").degreesText, "0");
  EXPECT_EQ(checkOrbEntry("x", "5").degreesText, "x");  // refused texts stay as typed
}

TEST(OrbEntryTexts, OpeningShowsWholeDegreesAndRoundedMinutes) {
  EXPECT_EQ(orbEntryFieldTexts(1.2), std::make_pair(std::string("1"), std::string("12")));
  EXPECT_EQ(orbEntryFieldTexts(1.0), std::make_pair(std::string("1"), std::string("0")));
  EXPECT_EQ(orbEntryFieldTexts(9 + 59.0 / 60), std::make_pair(std::string("9"), std::string("59")));
}

TEST(OrbEntryTexts, Label) {
  EXPECT_EQ(orbLabelText(1.2), "Orbis: 01:12");
  EXPECT_EQ(orbLabelText(0.5), "Orbis: 00:30");
}

}  // namespace
}  // namespace kelvaro
