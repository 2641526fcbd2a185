#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result_text.h"
#include "core/transit_record.h"

// What the benchmarks measure: every overview and search on the sample
// record, once per orb, and complete kelvaro-cli runs. The table of
// scripts/bench and the instruction counts under callgrind read the same
// cases, so both always measure the same work.
namespace kelvaro::bench {

// The orbs every orb-dependent case runs at: the default one, and the
// largest one the orb entry accepts (the most hits and the longest lines).
struct Orb {
  std::string_view text;  // "1:12", as kelvaro-cli --orb takes it
  double value;
};
inline constexpr Orb kDefaultOrb = {"1:12", 1.2};
inline constexpr Orb kLargestOrb = {"9:59", 9 + 59.0 / 60};
inline constexpr Orb kOrbs[] = {kDefaultOrb, kLargestOrb};

// The targets on a two-core development machine, in microseconds.
inline constexpr double kTargetAtDefaultOrb = 50;
inline constexpr double kTargetAtLargestOrb = 250;
inline constexpr double kTargetCliRun = 5000;
inline constexpr double kTargetMakeTransitRun = 20000;  // one transit file from birth data
inline constexpr double kTargetPairTransitRun = 50000;  // a comparison of two archive persons
// The transit calendar over one year, all 253 points: without the Moon, with it.
inline constexpr double kTargetCalendarYear = 1e6;
inline constexpr double kTargetCalendarYearWithMoon = 3e6;
// A person's timeline, every factor and point: S and P over a hundred
// years, and S, P and T (JU … PO) over one year.
inline constexpr double kTargetTimelineCentury = 1e6;
inline constexpr double kTargetTimelineYear = 1.5e6;
// An AAF file of 10,000 records with #B93 into a new persons archive.
inline constexpr double kTargetArchiveImport = 2e6;
// Four searches of the place atlas, as typing a place name makes them: each
// well below what a typist notices.
inline constexpr double kTargetAtlasSearches = 4 * 10000;
// The atlas's first query, which reads its files, and each further one;
// the memory the read atlas takes (megabytes).
inline constexpr double kTargetAtlasFirstQuery = 300000;
inline constexpr double kTargetAtlasQuery = 5000;
inline constexpr double kTargetAtlasMegabytes = 60;

// The record every case works on, and the file it was loaded from.
struct Sample {
  std::string path;
  TransitRecord record;
};

// The lines a case made: the overviews make a list of strings, the
// searches one text.
struct Made {
  std::vector<std::string> strings;
  ResultText text;

  std::size_t size() const { return strings.size() + text.size(); }
  std::vector<std::string> lines() const { return text.empty() ? strings : text.lines(); }
};

// One overview or search as the window runs it for one action, entry
// check included. Returns the lines it made (the loading case: the text
// fields), so the work cannot be optimised away and its result is freed
// within the measurement, as the window frees the previous list.
using Work = Made (*)(const Sample& sample, double orb);

struct Case {
  std::string_view name;
  bool dependsOnOrb;
  Work work;
  double targetMicros = 0;  // 0: the target of the orb it runs at
};

std::span<const Case> searchCases();

// A complete kelvaro-cli run: the arguments after the program name, with
// the orb option in front.
struct CliCase {
  std::string_view name;
  std::vector<std::string> arguments;
};

std::vector<CliCase> cliCases(const std::string& samplePath);

// A complete kelvaro-make-transit run from birth data into `target`.
std::vector<std::string> makeTransitArguments(const std::string& target);

// One measured run of a case: its benchmark name ("triple-all/9:59"),
// the work and the orb, and the target it must meet.
struct Measurement {
  std::string name;
  const Case* searchCase;
  double orb;
  double targetMicros;
};

std::vector<Measurement> measurements();

}  // namespace kelvaro::bench
