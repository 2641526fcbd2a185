#include "timing/ical_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "chart/ephemeris.h"
#include "support/birth_data.h"
#ifndef _WIN32
#include "support/run_process.h"
#include "support/split_text.h"
#endif
#include "support/temp_dir.h"
#include "timing/calendar_entry.h"

namespace kelvaro::timing {
namespace {

using namespace std::chrono;

CalendarRequest request(chart::Date from, chart::Date to, std::string_view zone) {
  CalendarRequest asked;
  asked.from = from;
  asked.to = to;
  asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse(zone));
  asked.movers = {true, true, true};
  asked.bodies = defaultCalendarBodies();
  asked.factors = allDirectedFactors();
  asked.orb = 1.2;
  return asked;
}

// The file of every hit of the list.
std::string everyHitText(const chart::BirthData& birth, const Timeline& shown, sys_seconds stamp) {
  return icalendarOf(birth, shown, stamp, {.everyHit = true}).text;
}

// The UIDs of the events in the order of the hits, read from the unfolded text.
std::vector<std::string> uidsOf(std::string text) {
  for (std::size_t fold; (fold = text.find("\r\n ")) != std::string::npos;) text.erase(fold, 3);
  std::vector<std::string> uids;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("UID:")) uids.push_back(line.substr(4, line.size() - 5));
  }
  return uids;
}

#ifndef _WIN32  // the parser is a Linux program
using testing::split;

// Read back by Debian's python3-icalendar: every hit is an event whose
// summary names the person and the hit, S and P on the day shown, T at the
// minute shown, in UTC.
TEST(IcalExport, ARealParserReadsEveryHit) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  const auto shown = timeline(birth, request({2026, 3, 1}, {2026, 4, 30}, "Europe/Berlin"));
  ASSERT_TRUE(shown);
  testing::TempDir folder;
  const auto file = folder.path() / "zeitleiste.ics";
  std::ofstream(file, std::ios::binary)
      << everyHitText(birth, *shown, sys_days{year{2026} / 12 / 8} + hours{12});

  const auto read = testing::runProcess({"/usr/bin/python3", KELVARO_ICAL_READER, file.string()});
  ASSERT_EQ(read.status, 0) << read.err;
  std::vector<std::string> events;
  std::istringstream lines(read.out);
  for (std::string line; std::getline(lines, line);) events.push_back(line);
  ASSERT_EQ(events.size(), shown->hits.size());
  std::map<MoverKind, int> kinds;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const TimelineHit& hit = shown->hits[i];
    const std::string line(shown->result.lines[i + 1]);
    const auto fields = split(events[i], '\t');
    ASSERT_EQ(fields.size(), 3u) << events[i];
    EXPECT_EQ(fields[2], "Müller, Anna: " + factorVariantName(hit.factor, variantOf(hit.kind)) +
                             " = " + pointText(shown->points[hit.point]));
    EXPECT_TRUE(line.substr(kHitTextColumn).starts_with(fields[2].substr(fields[2].find(": ") + 2)))
        << line;
    if (hit.kind == MoverKind::transit) {
      const auto day = floor<days>(hit.shown);
      const hh_mm_ss clock(hit.shown - day);
      const year_month_day date(day);
      char expected[32];
      std::snprintf(expected, sizeof expected, "%04d-%02u-%02u %02d:%02d", int(date.year()),
                    unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                    int(clock.minutes().count()));
      EXPECT_EQ(fields[1], expected) << line;
    } else {
      const chart::Date& day = hit.shownLocal.date;
      char expected[16];
      std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", day.year, day.month, day.day);
      EXPECT_EQ(fields[1], expected) << line;
    }
    ++kinds[hit.kind];
  }
  EXPECT_EQ(kinds.size(), 3u);
}
#endif

// The same hit has the same UID in every export, whatever the range, the
// zone and the moment of the export; within one export every UID is new.
TEST(IcalExport, TheSameHitKeepsItsUid) {
  const chart::BirthData birth = testing::birthData(testing::kSydney);
  const auto first = timeline(birth, request({2026, 1, 1}, {2026, 6, 30}, "Europe/Berlin"));
  const auto second = timeline(birth, request({2026, 3, 1}, {2026, 12, 31}, "Australia/Sydney"));
  ASSERT_TRUE(first && second);
  const auto firstUids = uidsOf(everyHitText(birth, *first, sys_days{year{2026} / 1 / 1}));
  const auto secondUids = uidsOf(everyHitText(birth, *second, sys_days{year{2027} / 1 / 1}));
  ASSERT_EQ(firstUids.size(), first->hits.size());
  ASSERT_EQ(secondUids.size(), second->hits.size());
  EXPECT_EQ(std::set<std::string>(secondUids.begin(), secondUids.end()).size(), secondUids.size());

  std::map<std::string, double> firstMoments;
  for (std::size_t i = 0; i < firstUids.size(); ++i) {
    firstMoments[firstUids[i]] = first->hits[i].julianDay;
  }
  const double overlapFrom = chart::julianDayUt(sys_days{year{2026} / 3 / 2});
  const double overlapTo = chart::julianDayUt(sys_days{year{2026} / 6 / 30});
  int shared = 0;
  for (std::size_t i = 0; i < secondUids.size(); ++i) {
    const double moment = second->hits[i].julianDay;
    if (moment < overlapFrom || moment >= overlapTo) continue;
    const auto same = firstMoments.find(secondUids[i]);
    ASSERT_NE(same, firstMoments.end()) << secondUids[i];
    EXPECT_NEAR(same->second, moment, 1.0 / 24) << secondUids[i];
    ++shared;
  }
  EXPECT_GT(shared, 500);
  // Another person's hits are others.
  testing::Person other = testing::kSydney;
  other.firstName = "Joe";
  EXPECT_NE(uidsOf(everyHitText(testing::birthData(other), *first, {}))[0], firstUids[0]);
}

// A body that turns may pass the same place twice in one direction on one
// UT day: the second event gets a UID of its own, the first keeps its UID.
TEST(IcalExport, EveryUidOfAFileIsItsOwn) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  const auto shown = timeline(birth, request({2026, 3, 1}, {2026, 3, 31}, "UT"));
  ASSERT_TRUE(shown && shown->hits.size() > 3);
  Timeline doubled = *shown;
  const std::size_t copied = 2;
  doubled.hits.insert(doubled.hits.begin() + copied + 1, doubled.hits[copied]);
  doubled.result.lines = ResultText();
  for (std::size_t i = 0; i < shown->result.lines.size(); ++i) {
    doubled.result.lines.push_back(shown->result.lines[i]);
    if (i == copied + 1) doubled.result.lines.push_back(shown->result.lines[i]);
  }
  const sys_seconds stamp = sys_days{year{2026} / 12 / 8};
  const auto plain = uidsOf(everyHitText(birth, *shown, stamp));
  const std::string text = everyHitText(birth, doubled, stamp);
  const auto uids = uidsOf(text);
  ASSERT_EQ(uids.size(), plain.size() + 1);
  EXPECT_EQ(std::vector<std::string>(uids.begin(), uids.begin() + copied + 1),
            std::vector<std::string>(plain.begin(), plain.begin() + copied + 1));
  const std::string& first = uids[copied];
  EXPECT_EQ(uids[copied + 1], first.substr(0, first.find('@')) + "-2@kelvaro");
  EXPECT_EQ(std::vector<std::string>(uids.begin() + copied + 2, uids.end()),
            std::vector<std::string>(plain.begin() + copied + 1, plain.end()));
#ifndef _WIN32
  testing::TempDir folder;
  const auto file = folder.path() / "doppelt.ics";
  std::ofstream(file, std::ios::binary) << text;
  const auto read = testing::runProcess({"/usr/bin/python3", KELVARO_ICAL_READER, file.string()});
  EXPECT_EQ(read.status, 0) << read.err;
#endif
}

// The standard filter keeps S and P but the Moon's and T of Jupiter to
// Pluto, says how many it wrote, and leaves every UID as the file of every
// hit has it.
TEST(IcalExport, TheStandardFilterKeepsAYearReadable) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  CalendarRequest asked = request({2026, 3, 1}, {2026, 4, 30}, "Europe/Berlin");
  asked.bodies.push_back(factor::MO);
  const auto shown = timeline(birth, asked);
  ASSERT_TRUE(shown);
  const sys_seconds stamp = sys_days{year{2026} / 12 / 8};
  const IcalCalendar every = icalendarOf(birth, *shown, stamp, {.everyHit = true});
  const IcalCalendar standard = icalendarOf(birth, *shown, stamp);
  const std::vector<std::string> everyUid = uidsOf(every.text);
  const std::vector<std::string> standardUids = uidsOf(standard.text);
  EXPECT_EQ(every.events, shown->hits.size());
  ASSERT_EQ(standard.events, standardUids.size());

  std::vector<std::string> expected;
  std::map<MoverKind, int> kept;
  for (std::size_t i = 0; i < shown->hits.size(); ++i) {
    const TimelineHit& hit = shown->hits[i];
    const bool slow = hit.factor == factor::JU || hit.factor == factor::SA ||
                      hit.factor == factor::UR || hit.factor == factor::NE ||
                      hit.factor == factor::PL;
    const bool wanted = hit.kind == MoverKind::transit ? slow : hit.factor != factor::MO;
    if (!wanted) continue;
    expected.push_back(everyUid[i]);
    ++kept[hit.kind];
  }
  EXPECT_EQ(standardUids, expected);
  EXPECT_EQ(kept.size(), 3u);
  EXPECT_LT(standard.events, every.events / 2);  // the Moon's transits go
  EXPECT_EQ(icalendarReport(standard, {}), std::to_string(standard.events) +
                                               " Termine geschrieben (S und P ohne MO, T von JU "
                                               "bis PL).");
  EXPECT_EQ(icalendarReport({"", 1}, {.everyHit = true}),
            "1 Termin geschrieben (alle Zeilen der Liste).");
}

}  // namespace
}  // namespace kelvaro::timing
