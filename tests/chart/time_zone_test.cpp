#include "chart/time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace kelvaro::chart {
namespace {

using namespace std::chrono;

TimeZone zone(std::string_view text) {
  const auto parsed = TimeZone::parse(text);
  if (const Rejection* refused = rejection(parsed)) ADD_FAILURE() << refused->message;
  return std::get<TimeZone>(parsed);
}

sys_seconds ut(int y, unsigned m, unsigned d, int h, int min) {
  return sys_days{year{y} / month{m} / day{d}} + hours{h} + minutes{min};
}

sys_seconds universal(const TimeZone& z, LocalTime local) {
  const auto moment = z.toUniversal(local);
  if (const Rejection* refused = rejection(moment)) ADD_FAILURE() << refused->message;
  return std::get<sys_seconds>(moment);
}

TEST(TimeZone, BerlinInSummerAndWinter) {
  const TimeZone berlin = zone(" Europe/Berlin ");
  EXPECT_EQ(berlin.name(), "Europe/Berlin");
  EXPECT_EQ(universal(berlin, {{2024, 7, 15}, {12, 0, 0}}), ut(2024, 7, 15, 10, 0));
  EXPECT_EQ(universal(berlin, {{2024, 1, 15}, {12, 0, 0}}), ut(2024, 1, 15, 11, 0));
  // Before 1980 West Germany had no summer time; 1949 it had.
  EXPECT_EQ(universal(berlin, {{1975, 7, 1}, {12, 0, 0}}), ut(1975, 7, 1, 11, 0));
  EXPECT_EQ(universal(berlin, {{1949, 7, 1}, {12, 0, 0}}), ut(1949, 7, 1, 10, 0));
  EXPECT_EQ(berlin.toLocal(ut(2024, 7, 15, 22, 30)), (LocalTime{{2024, 7, 16}, {0, 30, 0}}));
}

TEST(TimeZone, SummerTimeGoesOnAfterTheListedChanges) {
  // The zone files list the changes up to 2037; later years follow the rule.
  const TimeZone berlin = zone("Europe/Berlin");
  EXPECT_EQ(universal(berlin, {{2039, 7, 15}, {12, 0, 0}}), ut(2039, 7, 15, 10, 0));
  EXPECT_EQ(universal(berlin, {{2039, 12, 15}, {12, 0, 0}}), ut(2039, 12, 15, 11, 0));
  EXPECT_TRUE(rejection(berlin.toUniversal({{2039, 3, 27}, {2, 30, 0}})));
  EXPECT_EQ(berlin.toLocal(ut(2399, 7, 1, 10, 0)), (LocalTime{{2399, 7, 1}, {12, 0, 0}}));
  // Southern summer, and a rule with numeric zone names.
  EXPECT_EQ(universal(zone("Australia/Sydney"), {{2040, 1, 10}, {12, 0, 0}}),
            ut(2040, 1, 10, 1, 0));
  EXPECT_EQ(universal(zone("America/Santiago"), {{2040, 1, 10}, {12, 0, 0}}),
            ut(2040, 1, 10, 15, 0));
  EXPECT_EQ(universal(zone("America/Santiago"), {{2040, 7, 10}, {12, 0, 0}}),
            ut(2040, 7, 10, 16, 0));
}

#ifndef _WIN32  // setenv and the system's zone files
// TZDIR naming other zone files must not change a zone: before 2037 the
// rules come from the system's files, so the later years must too.
TEST(TimeZone, TheLaterYearsComeFromTheSameFilesWhateverTzdirSays) {
  const testing::TempDir other;
  std::filesystem::create_directories(other.path() / "Europe");
  std::filesystem::copy_file("/usr/share/zoneinfo/Asia/Tokyo", other.path() / "Europe" / "Berlin");
  ::setenv("TZDIR", other.path().c_str(), 1);
  const TimeZone berlin = zone("Europe/Berlin");
  ::unsetenv("TZDIR");
  EXPECT_EQ(berlin.offsetAt(ut(2050, 7, 1, 12, 0)), hours{2});
  EXPECT_EQ(berlin.offsetAt(ut(2050, 1, 1, 12, 0)), hours{1});
  EXPECT_EQ(universal(berlin, {{2050, 7, 1}, {12, 0, 0}}), ut(2050, 7, 1, 10, 0));
}
#endif

TEST(TimeZone, ClockChangesAreRefusedNamingZoneAndOffsets) {
  const TimeZone berlin = zone("Europe/Berlin");
  const auto skipped = berlin.toUniversal({{2024, 3, 31}, {2, 30, 0}});
  ASSERT_TRUE(rejection(skipped));
  EXPECT_EQ(rejection(skipped)->message,
            "Die Zeit 31.03.2024 02:30:00 gibt es in der Zeitzone Europe/Berlin nicht "
            "(Zeitumstellung). Bitte statt der Zeitzone die Abweichung von UT angeben: "
            "+01:00 oder +02:00.");
  const auto repeated = berlin.toUniversal({{2024, 10, 27}, {2, 30, 0}});
  ASSERT_TRUE(rejection(repeated));
  EXPECT_NE(rejection(repeated)->message.find("Europe/Berlin zweimal"), std::string::npos);
  // The minutes around the changes are unique.
  EXPECT_EQ(universal(berlin, {{2024, 3, 31}, {3, 0, 0}}), ut(2024, 3, 31, 1, 0));
  EXPECT_EQ(universal(berlin, {{2024, 10, 27}, {3, 0, 0}}), ut(2024, 10, 27, 2, 0));
  EXPECT_EQ(universal(berlin, {{2024, 3, 31}, {1, 59, 0}}), ut(2024, 3, 31, 0, 59));
}

TEST(TimeZone, FixedOffsetsAndUniversalTime) {
  const TimeZone india = zone("+05:30");
  EXPECT_EQ(universal(india, {{2000, 1, 1}, {3, 0, 0}}), ut(1999, 12, 31, 21, 30));
  EXPECT_EQ(india.toLocal(ut(1999, 12, 31, 21, 30)), (LocalTime{{2000, 1, 1}, {3, 0, 0}}));
  EXPECT_EQ(universal(zone("-05:30"), {{2000, 1, 1}, {3, 0, 0}}), ut(2000, 1, 1, 8, 30));
  EXPECT_EQ(zone("-05:30").name(), "-05:30");
  EXPECT_EQ(zone("UTC").name(), "UT");
  EXPECT_EQ(universal(zone("UT"), {{2024, 3, 31}, {2, 30, 0}}), ut(2024, 3, 31, 2, 30));
}

// A local mean time is an offset to the second: 5°27' east is 21 min 48 s.
TEST(TimeZone, OffsetsToTheSecondAndTheSummerTimePart) {
  const TimeZone mean = zone("+00:21:48");
  EXPECT_EQ(mean.name(), "+00:21:48");
  EXPECT_EQ(universal(mean, {{1839, 1, 19}, {1, 0, 0}}),
            sys_days{year{1839} / 1 / 19} + minutes{38} + seconds{12});
  EXPECT_EQ(zone("-00:00:30").offsetAt(ut(2000, 1, 1, 0, 0)), seconds{-30});
  EXPECT_EQ(zone("+01:00:00").name(), "+01:00");
  EXPECT_EQ(offsetText(seconds{-(5 * 3600 + 30 * 60 + 7)}), "-05:30:07");

  const TimeZone berlin = zone("Europe/Berlin");
  EXPECT_EQ(berlin.savingAt(ut(1949, 5, 9, 20, 30)), hours{1});
  EXPECT_EQ(berlin.savingAt(ut(1947, 6, 1, 12, 0)), hours{2});  // double summer time
  EXPECT_EQ(berlin.savingAt(ut(2024, 1, 15, 12, 0)), seconds{0});
  EXPECT_EQ(berlin.savingAt(ut(2039, 7, 15, 12, 0)), hours{1});  // after the listed changes
  EXPECT_EQ(mean.savingAt(ut(2024, 7, 15, 12, 0)), seconds{0});
}

TEST(TimeZone, MalformedZonesAreRefused) {
  for (const char* text : {"", "Europe/Koeln", "+1:00", "+01:60", "+14:01", "+01.00", "01:00",
                           "-0530", "+00:21:60", "+14:00:01", "+00:21:4", "+00:21-48"}) {
    const auto parsed = TimeZone::parse(text);
    ASSERT_TRUE(rejection(parsed)) << text;
  }
  EXPECT_EQ(rejection(TimeZone::parse("Mars/Olymp"))->message,
            "Die Zeitzone \"Mars/Olymp\" ist unbekannt. Bitte einen Namen wie Europe/Berlin, UT "
            "oder eine feste Abweichung wie +01:00 angeben.");
}

}  // namespace
}  // namespace kelvaro::chart
