// The entries of the new transit file and of the transit calendar: any
// texts for the birth data (names, dates, times, zones, coordinates), for a
// zone alone with any local time, for a coordinate alone, and for the
// options of the calendar, which then runs on any record over a few days;
// and the helpers behind them (the file name, the minute shown, the message
// catalogue of the atlas, the choice of an atlas place).
//
// Input: the texts from the front; the last bytes choose the part, the
// numbers and (for the calendar) come after the texts: the record.
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "atlas/message_catalogue.h"
#include "chart/chart_entry.h"
#include "chart/ephemeris.h"
#include "chart/place_choice.h"
#include "chart/transit_chart.h"
#include "cli/terminal_message.h"
#include "core/text_encoding.h"
#include "fuzz_support.h"
#include "output/transit_file_name.h"
#include "timing/calendar_entry.h"
#include "timing/transit_calendar.h"

namespace {

using namespace kelvaro;
using namespace kelvaro::chart;
using namespace kelvaro::timing;
using fuzz::require;

constexpr int kLongestCalendarDays = 3;  // keeps one run within milliseconds

// A refusal is shown as the command line shows it: always UTF-8.
void requireShowableMessage(const std::string& message) {
  require(!message.empty(), "a refusal without a message");
  require(fuzz::isWellFormedUtf8(cli::terminalMessage(message)), "a message is not UTF-8");
}

template <typename T>
bool accepted(const Checked<T>& checked) {
  if (const Rejection* refused = rejection(checked)) {
    requireShowableMessage(refused->message);
    return false;
  }
  return true;
}

bool isLetterOrDigitStart(const std::string& fileName) {
  const std::u32string characters = utf8ToCodePoints(fileName);
  if (characters.empty()) return false;
  const char32_t first = characters.front();
  return (first >= '0' && first <= '9') || (first >= 'A' && first <= 'Z') ||
         (first >= 'a' && first <= 'z') || first >= 0xAA;
}

// The whole entry of "Neue Transit-Datei" / kelvaro-make-transit; an
// accepted one is sometimes computed (the ephemeris takes a while).
void birthData(FuzzedDataProvider& data) {
  ChartEntry entry;
  for (std::string* text :
       {&entry.name, &entry.firstName, &entry.birthDate, &entry.birthTime, &entry.birthZone,
        &entry.birthLatitude, &entry.birthLongitude, &entry.place, &entry.transitDate,
        &entry.transitTime, &entry.transitZone, &entry.transitLatitude, &entry.transitLongitude}) {
    *text = fuzz::consumeText(data);
  }
  const auto checked = checkChartEntry(entry);
  if (const auto* refusal = std::get_if<ChartRefusal>(&checked)) {
    requireShowableMessage(refusal->message);
    return;
  }
  const ChartRequest& request = std::get<ChartRequest>(checked);
  require(request.transit >= request.birth, "a transit before the birth was accepted");
  require(!request.name.empty(), "an empty name was accepted");
  const std::string fileName =
      transitFileName(request.name, request.firstName, request.transitLocal.day,
                      request.transitLocal.month, request.transitLocal.year);
  require(isLetterOrDigitStart(fileName), "the file name begins with neither letter nor digit");
  require(fileName.ends_with(".dat"), "the file name lost its extension");
  if (!data.ConsumeBool() || !data.ConsumeBool()) return;
  const TransitRecord record = computeTransitRecord(request);
  for (const Variant variant : {Variant::r, Variant::p, Variant::s, Variant::t}) {
    for (int number = 1; number <= factor::kLastInTables; ++number) {
      const double position = record.position(variant, number);
      require(position >= 0 && position < 360, "a computed position outside 0° to 360°");
    }
  }
  const auto bytes = serializeTransitRecord(record);
  const auto read = parseTransitRecord({bytes.begin(), bytes.end()});
  require(read && read->texts == record.texts, "the computed record does not survive its file");
}

LocalTime consumeLocalTime(FuzzedDataProvider& data) {
  return {data.ConsumeIntegralInRange(kFirstCalendarYear, kLastCalendarYear),
          data.ConsumeIntegralInRange(1, 12),
          data.ConsumeIntegralInRange(1, 28),
          data.ConsumeIntegralInRange(0, 23),
          data.ConsumeIntegralInRange(0, 59),
          data.ConsumeIntegralInRange(0, 59)};
}

// A zone as typed, and a local time in it that goes to UT and back.
void zone(FuzzedDataProvider& data) {
  const auto parsed = TimeZone::parse(fuzz::consumeText(data));
  if (!accepted(parsed)) return;
  const TimeZone& zone = std::get<TimeZone>(parsed);
  const auto again = TimeZone::parse(zone.name());
  require(!rejection(again) && std::get<TimeZone>(again).name() == zone.name(),
          "a zone's name is not read back as that zone");
  const LocalTime local = consumeLocalTime(data);
  const auto moment = zone.toUniversal(local);
  if (!accepted(moment)) return;
  const auto ut = std::get<std::chrono::sys_seconds>(moment);
  require(zone.toLocal(ut) == local, "a local time does not come back from UT");
  const auto offset = zone.offsetAt(ut);
  require(offset <= std::chrono::hours(15) && offset >= -std::chrono::hours(15),
          "an offset of more than 15 hours");
}

// A coordinate as typed; the text an entry field shows of it reads back.
void coordinate(FuzzedDataProvider& data) {
  const bool latitude = data.ConsumeBool();
  const std::string text = fuzz::consumeText(data);
  const auto checked = latitude ? checkLatitude("Breite", text) : checkLongitude("Länge", text);
  if (!accepted(checked)) return;
  const double value = std::get<double>(checked);
  require(latitude ? value > -90 && value < 90 : value >= -180 && value <= 180,
          "an accepted coordinate beyond its limits");
  const std::string shown = latitude ? latitudeEntryText(value) : longitudeEntryText(value);
  require(fuzz::isWellFormedUtf8(shown), "a coordinate text is not UTF-8");
  const auto again = latitude ? checkLatitude("Breite", shown) : checkLongitude("Länge", shown);
  require(!rejection(again), "a coordinate's own text is refused");
  require(std::abs(std::get<double>(again) - value) <= 1 / 7200.0 + 1e-9,
          "a coordinate's text is more than half an arc second off");
}

// The options of the calendar; accepted ones over a short range run on
// any record, and their lines must be sorted and showable.
void calendar(FuzzedDataProvider& data) {
  const std::string from = fuzz::consumeText(data);
  const std::string to = fuzz::consumeText(data);
  const std::string zoneText = fuzz::consumeText(data);
  const std::string bodies = fuzz::consumeText(data);
  const std::string points = fuzz::consumeText(data);
  const std::string with = fuzz::consumeText(data);
  const auto bodyList = parseCalendarBodies(bodies);
  const auto pointChoice = parseCalendarPoints(points);
  if (!accepted(bodyList) || !accepted(pointChoice)) return;
  CalendarEntry entry;
  entry.from = from;
  entry.to = to;
  entry.zone = zoneText;
  entry.bodies = std::get<std::vector<int>>(bodyList);
  entry.points = std::get<CalendarPoints>(pointChoice);
  entry.with = with;
  const auto checked = checkCalendarEntry(entry);
  if (const auto* refused = std::get_if<CalendarRefusal>(&checked)) {
    requireShowableMessage(refused->message);
    return;
  }
  const CalendarRequest& request = std::get<CalendarRequest>(checked);
  const auto [begin, end] = calendarRange(request);
  require(end > begin, "an accepted range that is empty");
  if (end - begin > kLongestCalendarDays || request.bodies.size() > 2) return;
  const auto record = fuzz::consumeRecord(data);
  if (!record) return;
  const auto result = transitCalendar(*record, request);
  require(result.has_value(), "a calendar without progress was cancelled");
  fuzz::requireShowable(*result);
  // "DD.MM.YYYY hh:mm": the lines after the title go forward in time.
  const auto key = [](std::string_view line) {
    return std::string(line.substr(6, 4)) + std::string(line.substr(3, 2)) +
           std::string(line.substr(0, 2)) + std::string(line.substr(11, 5));
  };
  std::string previous;
  for (std::size_t i = 1; i < result->lines.size(); ++i) {
    const std::string now = key(result->lines[i]);
    require(previous <= now, "the calendar lines are not in time order");
    previous = now;
  }
}

// The minute a moment shows is the nearest one.
void minute(FuzzedDataProvider& data) {
  const auto parsed = TimeZone::parse(fuzz::consumeText(data));
  const TimeZone zone = rejection(parsed) ? TimeZone::universal() : std::get<TimeZone>(parsed);
  const double start = julianDayUt(kFirstCalendarYear, 1, 2, 0);
  const double julianDay =
      data.ConsumeFloatingPointInRange(start, julianDayUt(kLastCalendarYear, 12, 30, 0));
  const ShownMinute shown = shownMinute(zone, julianDay);
  require(shown.local.second == 0, "a minute shown with seconds");
  const double away =
      secondsSince1970(julianDay) - static_cast<double>(shown.ut.time_since_epoch().count());
  require(away >= -30.001 && away <= 30.001, "the minute shown is not the nearest");
}

// The atlas's catalogue from any bytes, and the choice among any places.
void atlasHelpers(FuzzedDataProvider& data) {
  const std::string bytes = data.ConsumeRandomLengthString(2000);
  MessageCatalogue::parse(bytes);
  std::vector<AtlasPlace> found(data.ConsumeIntegralInRange<std::size_t>(0, 14));
  for (AtlasPlace& place : found) {
    place.name = fuzz::consumeText(data);
    place.countryCode = data.ConsumeRandomLengthString(3);
    place.population = data.ConsumeIntegral<unsigned>();
  }
  const auto chosen = chooseAtlasPlace(fuzz::consumeText(data), found, fuzz::consumeText(data));
  if (accepted(chosen)) require(!found.empty(), "a place chosen from none");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  switch (data.ConsumeIntegralInRange(0, 5)) {
    case 0:
      birthData(data);
      break;
    case 1:
      zone(data);
      break;
    case 2:
      coordinate(data);
      break;
    case 3:
      calendar(data);
      break;
    case 4:
      minute(data);
      break;
    default:
      atlasHelpers(data);
  }
  return 0;
}
