#include "bench/cases.h"

#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>

#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/magic_squares.h"
#include "loading/transit_file.h"
#include "search/angle_search.h"
#include "search/correspondences.h"
#include "search/free_axis_entry.h"
#include "search/magic_square.h"
#include "search/midpoint_sum_search.h"
#include "search/picture_search.h"
#include "search/quadro_search.h"
#include "search/search_angle.h"
#include "search/triple_search.h"
#ifdef KELVARO_WITH_CALENDAR
#include "chart/chart_entry.h"
#include "timing/calendar_entry.h"
#include "timing/timeline.h"
#include "timing/transit_calendar.h"
#endif

namespace kelvaro::bench {
namespace {

// The entries typed into the searches.
constexpr std::string_view kMidpointSumEntry = "KN+JU";
constexpr std::string_view kFreeAxisEntry = "KNt+JUp";
constexpr std::string_view kAngleDegrees = "7";
constexpr std::string_view kAngleMinutes = "30";
constexpr std::string_view kTripleEntry = "VE+JU=KN+";
constexpr std::string_view kQuadroEntry = "KN+JU=MO/SA";
constexpr std::string_view kMagicEntry = "KNt";

template <typename T>
const T& accepted(const Checked<T>& checked) {
  if (const Rejection* refused = rejection(checked)) throw std::runtime_error(refused->message);
  return std::get<T>(checked);
}

double searchAngle() {
  const SearchAngleCheck check = checkSearchAngle(kAngleDegrees, kAngleMinutes);
  if (!check.valid) throw std::runtime_error("invalid search angle");
  return check.angle;
}

Made load(const Sample& sample, double) {
  const LoadResult loaded = loadTransitFile(sample.path);
  if (std::holds_alternative<LoadFailure>(loaded)) throw std::runtime_error("sample not loaded");
  const auto& texts = std::get<TransitRecord>(loaded).texts;
  return {{texts.begin(), texts.end()}, {}};
}

Made overview(const Sample& sample, double orb) {
  return {{}, axisOverview(sample.record, orb).lines};
}

Made magicSquares(const Sample& sample, double) {
  return {{}, overviewMagicSquares(sample.record)};
}

Made content(const Sample& sample, double orb) { return {{}, vier_summen(sample.record, orb)}; }

Made midpointSum(const Sample& sample, double orb) {
  const auto& entry = accepted(checkMidpointSumEntry(kMidpointSumEntry));
  return {{}, midpointSumSearch(sample.record, orb, entry).result.lines};
}

Made freeAxisPictures(const Sample& sample, double orb, const PanelChoices& choices) {
  const auto& entry = accepted(checkFreeAxisEntry(kFreeAxisEntry));
  const PictureAxis axis = entryAxis(sample.record, entry);
  return {{}, pictureSearch(sample.record, orb, axis, choices, false).lines};
}

Made picturesSingle(const Sample& sample, double orb) {
  return freeAxisPictures(sample, orb, {PanelVariant::r, PictureKind::midpoint, PanelVariant::r});
}

Made picturesAll(const Sample& sample, double orb) {
  return freeAxisPictures(sample, orb,
                          {PanelVariant::rpst, PictureKind::midpoint, PanelVariant::rpst});
}

Made anglePictures(const Sample& sample, double orb) {
  const PictureAxis axis = angleAxis(searchAngle(), "");
  const PanelChoices choices{PanelVariant::rpst, PictureKind::sum, PanelVariant::rpst};
  return {{}, pictureSearch(sample.record, orb, axis, choices, false).lines};
}

Made angleAll(const Sample& sample, double orb) {
  return {{}, angleSearch(sample.record, orb, searchAngle(), std::nullopt).lines};
}

Made triple(const Sample& sample, double orb, bool allFactors) {
  return {{}, tripleEntryStep(sample.record, orb, kTripleEntry, allFactors).lines};
}

Made tripleOwn(const Sample& sample, double orb) { return triple(sample, orb, false); }
Made tripleAll(const Sample& sample, double orb) { return triple(sample, orb, true); }

Made quadro(const Sample& sample, double orb) {
  return {{}, quadroSearch(sample.record, orb, kQuadroEntry).result.lines};
}

Made magicSquare(const Sample& sample, double orb) {
  MagicSquareStep step = magicSquareEntryStep(sample.record, orb, kMagicEntry);
  if (step.refusal) throw std::runtime_error(step.refusal->message);
  return {{}, std::move(step.view.lines)};
}

Made correspondenceReport(const Sample& sample, double orb) {
  return {{}, correspondences(sample.record, orb).lines};
}

#ifdef KELVARO_WITH_CALENDAR
// One year in Berlin, every body but the Moon (or every body), every point.
Made calendarYear(const Sample& sample, bool withMoon, DialSize dial = DialSize::standard()) {
  timing::CalendarRequest asked;
  asked.from = {2026, 1, 1};
  asked.to = {2026, 12, 31};
  asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
  for (const int body : timing::kCalendarBodies) {
    if (withMoon || body != factor::MO) asked.bodies.push_back(body);
  }
  asked.dial = dial;
  return {{}, timing::transitCalendar(sample.record, asked).value().lines};
}

Made calendarWithoutMoon(const Sample& sample, double) { return calendarYear(sample, false); }
Made calendarWithMoon(const Sample& sample, double) { return calendarYear(sample, true); }
Made calendarOnNinety(const Sample& sample, double) {
  return calendarYear(sample, false, DialSize(DialSize::Kind::quarter));
}

// The timeline of the person of the sample file, in Berlin, every factor
// and point: from 2026 on for `years` years.
Made timelineOf(int years, timing::MoverChoice movers) {
  static const chart::BirthData person = [] {
    const auto checked = chart::checkChartEntry(
        {"Müller", "Jürgen", "14.02.1958", "06:10", "Europe/Berlin", "53°33' N", "9°59' O", "",
         "14.02.1958", "06:10", "Europe/Berlin", "53°33' N", "9°59' O"});
    return chart::birthDataOf(std::get<chart::ChartRequest>(checked));
  }();
  timing::CalendarRequest asked;
  asked.from = {2026, 1, 1};
  asked.to = {2026 + years - 1, 12, 31};
  asked.zone = person.zone;
  asked.movers = movers;
  asked.bodies = timing::defaultCalendarBodies();
  asked.factors = timing::allDirectedFactors();
  return {{}, timing::timeline(person, asked).value().result.lines};
}

Made timelineCentury(const Sample&, double) { return timelineOf(100, {true, true, false}); }
Made timelineYear(const Sample&, double) { return timelineOf(1, {true, true, true}); }
#endif

constexpr Case kCases[] = {
    {"load", false, load},
    {"overview", true, overview},
    {"overview-magic-squares", false, magicSquares},
    {"content", true, content},
    {"search1", true, midpointSum},
    {"pictures-r/r", true, picturesSingle},
    {"pictures-rpst/rpst", true, picturesAll},
    {"angle-pictures-rpst+rpst", true, anglePictures},
    {"angle-all", true, angleAll},
    {"triple", true, tripleOwn},
    {"triple-all", true, tripleAll},
    {"quadro", true, quadro},
    {"magic", true, magicSquare},
    {"correspondences", true, correspondenceReport},
#ifdef KELVARO_WITH_CALENDAR
    {"calendar-year", false, calendarWithoutMoon, kTargetCalendarYear},
    {"calendar-year-moon", false, calendarWithMoon, kTargetCalendarYearWithMoon},
    {"calendar-year-90", false, calendarOnNinety, kTargetCalendarYear},
    {"timeline-S+P-100-years", false, timelineCentury, kTargetTimelineCentury},
    {"timeline-S+P+T-year", false, timelineYear, kTargetTimelineYear},
#endif
};

double targetAt(double orb) {
  return orb <= kDefaultOrb.value ? kTargetAtDefaultOrb : kTargetAtLargestOrb;
}

}  // namespace

std::span<const Case> searchCases() { return kCases; }

std::vector<CliCase> cliCases(const std::string& samplePath) {
  const std::string orb(kLargestOrb.text);
  const auto run = [&](std::string_view name, std::vector<std::string> command) {
    command.insert(command.begin(), {"--orb", orb, samplePath});
    return CliCase{name, std::move(command)};
  };
  return {
      run("header", {"header"}),
      run("overview", {"overview"}),
      run("content", {"content"}),
      run("search1", {"search1", std::string(kMidpointSumEntry)}),
      run("pictures-rpst/rpst", {"pictures", std::string(kFreeAxisEntry), "rpst", "/", "rpst"}),
      run("angle-pictures-rpst+rpst", {"angle-pictures", "7:30", "rpst", "+", "rpst"}),
      run("angle-all", {"angle", "7:30"}),
      run("triple-all", {"triple", std::string(kTripleEntry), "--all-factors"}),
      run("quadro", {"quadro", std::string(kQuadroEntry)}),
      run("magic", {"magic", std::string(kMagicEntry)}),
      run("correspondences", {"correspondences"}),
  };
}

std::vector<std::string> makeTransitArguments(const std::string& target) {
  return {"--name=Müller",
          "--first-name=Jürgen",
          "--birth=14.02.1958 06:10",
          "--birth-zone=Europe/Berlin",
          "--birth-lat=53°33' N",
          "--birth-lon=9°59' O",
          "--transit=08.12.2026 12:00",
          "--transit-zone=Europe/Berlin",
          "--place=Köln",
          "--transit-lat=50°56' N",
          "--transit-lon=6°57' O",
          target};
}

std::vector<Measurement> measurements() {
  std::vector<Measurement> all;
  for (const Case& c : kCases) {
    if (!c.dependsOnOrb) {
      all.push_back({std::string(c.name), &c, kDefaultOrb.value,
                     c.targetMicros > 0 ? c.targetMicros : kTargetAtDefaultOrb});
      continue;
    }
    for (const Orb& orb : kOrbs) {
      all.push_back(
          {std::string(c.name) + "/" + std::string(orb.text), &c, orb.value, targetAt(orb.value)});
    }
  }
  return all;
}

}  // namespace kelvaro::bench
