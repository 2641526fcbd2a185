#include "archive/aaf_reader.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <variant>

#include "archive/julian_day.h"
#include "archive/zone_lookup.h"
#include "chart/time_zone.h"
#include "core/entry_text.h"
#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

// One block: "#B93:…" with its continuation lines.
struct Chunk {
  std::string id;  // "A93", "B93", "COM", …
  std::string data;
  int line = 0;
};

struct RawRecord {
  int line = 0;
  std::vector<Chunk> chunks;  // after the #A93, up to a #SUB
  bool inSubHoroscope = false;
};

using Fields = std::vector<std::string>;

// The comma-separated fields of a block, each trimmed.
Fields fieldsOf(std::string_view data) {
  Fields fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = data.find(',', start);
    fields.emplace_back(trimmedOfAnyBlank(data.substr(start, comma - start)));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

bool unknown(const std::string& field) { return field == "*"; }
std::string valueOf(const std::string& field) { return unknown(field) ? std::string() : field; }

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::vector<RawRecord> recordsOf(std::string_view text) {
  std::vector<RawRecord> records;
  Chunk* open = nullptr;  // the block a continuation line belongs to
  int number = 0;
  for (const std::string_view line : linesOf(text)) {
    ++number;
    if (!line.starts_with('#')) {
      if (open) open->data += line;
      continue;
    }
    open = nullptr;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 1) continue;  // "#:" comments
    Chunk chunk{std::string(line.substr(1, colon - 1)), std::string(line.substr(colon + 1)),
                number};
    if (chunk.id == "A93") {
      records.push_back({number, {std::move(chunk)}, false});
      open = &records.back().chunks.back();
    } else if (!records.empty() && !records.back().inSubHoroscope) {
      if (chunk.id.starts_with("SUB")) {
        records.back().inSubHoroscope = true;
        continue;
      }
      records.back().chunks.push_back(std::move(chunk));
      open = &records.back().chunks.back();
    }
  }
  return records;
}

// Takes a text apart from the front.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : rest_(text) {}
  bool atEnd() const { return rest_.empty(); }
  // 1 to maxDigits digits.
  std::optional<int> number(std::size_t maxDigits) {
    std::size_t n = 0;
    int value = 0;
    while (n < rest_.size() && n < maxDigits && isDigit(rest_[n]))
      value = value * 10 + (rest_[n++] - '0');
    if (n == 0) return std::nullopt;
    rest_.remove_prefix(n);
    return value;
  }
  // The next character, lower case, when it is one of `choices`.
  std::optional<char> letter(std::string_view choices) {
    if (rest_.empty()) return std::nullopt;
    const char c = rest_.front() >= 'A' && rest_.front() <= 'Z'
                       ? static_cast<char>(rest_.front() - 'A' + 'a')
                       : rest_.front();
    if (choices.find(c) == std::string_view::npos) return std::nullopt;
    rest_.remove_prefix(1);
    return c;
  }
  bool take(char c) {
    if (!rest_.starts_with(c)) return false;
    rest_.remove_prefix(1);
    return true;
  }

 private:
  std::string_view rest_;
};

// "49n05", "25s44:52", "8e11", "122w25": degrees, hemisphere, minutes and
// optional seconds, as whole arc seconds (south and west negative).
std::optional<std::int64_t> arcSecondsOf(const std::string& text, int maxDegrees,
                                         std::string_view positive, char negative) {
  Cursor cursor(text);
  const auto degrees = cursor.number(3);
  const auto hemisphere = cursor.letter(std::string(positive) + negative);
  const auto minutes = cursor.number(2);
  std::optional<int> seconds = 0;
  if (cursor.take(':')) seconds = cursor.number(2);
  if (!degrees || !hemisphere || !minutes || !seconds || !cursor.atEnd() || *minutes > 59 ||
      *seconds > 59) {
    return std::nullopt;
  }
  const std::int64_t total = *degrees * 3600 + *minutes * 60 + *seconds;
  if (total > std::int64_t{maxDegrees} * 3600) return std::nullopt;
  return *hemisphere == negative ? -total : total;
}

// The zone difference of #B93: "1he00", "1he", "5hw00", "0he21:48", "1",
// "-5", "+05:30"; east (e, o or a plus sign) positive.
std::optional<std::chrono::seconds> zoneDifferenceOf(const std::string& text) {
  Cursor cursor(text);
  const bool minus = cursor.take('-');
  const bool plus = !minus && cursor.take('+');
  const auto hours = cursor.number(2);
  if (!cursor.take('h')) cursor.take('H');
  const auto direction = cursor.letter("eow");
  std::optional<int> minutes = 0;
  std::optional<int> seconds = 0;
  cursor.take(':');
  if (!cursor.atEnd()) minutes = cursor.number(2);
  if (cursor.take(':')) seconds = cursor.number(2);
  if (!hours || !minutes || !seconds || !cursor.atEnd() || *minutes > 59 || *seconds > 59 ||
      *hours > 14 || ((minus || plus) && direction)) {
    return std::nullopt;
  }
  const std::chrono::seconds difference{*hours * 3600 + *minutes * 60 + *seconds};
  return minus || direction == 'w' ? -difference : difference;
}

// What #B93 says, field by field; nothing for "*".
struct Location {
  std::optional<double> julianDay;
  std::optional<std::int64_t> latitude;   // arc seconds
  std::optional<std::int64_t> longitude;  // arc seconds
  std::optional<std::chrono::seconds> difference;
  std::optional<int> summerHours;
  bool localMeanTime = false;  // summer time "L"
};

Checked<Location> locationOf(const Chunk& chunk) {
  const Fields fields = fieldsOf(chunk.data);
  if (fields.size() != 5) {
    return Rejection{"#B93 hat " + std::to_string(fields.size()) + " statt 5 Felder."};
  }
  Location location;
  if (!unknown(fields[0])) {
    double day = 0;
    const char* end = fields[0].data() + fields[0].size();
    const auto [stop, error] =
        std::from_chars(fields[0].data(), end, day, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(day)) {
      return Rejection{"\"" + fields[0] + "\" ist kein julianischer Tag."};
    }
    location.julianDay = day;
  }
  if (!unknown(fields[1]) && !(location.latitude = arcSecondsOf(fields[1], 90, "n", 's'))) {
    return Rejection{"\"" + fields[1] + "\" ist keine Breite wie 49n05."};
  }
  if (!unknown(fields[2]) && !(location.longitude = arcSecondsOf(fields[2], 180, "eo", 'w'))) {
    return Rejection{"\"" + fields[2] + "\" ist keine Länge wie 8e11."};
  }
  if (!unknown(fields[3]) && !(location.difference = zoneDifferenceOf(fields[3]))) {
    return Rejection{"\"" + fields[3] + "\" ist keine Zonendifferenz wie 1he00."};
  }
  const std::string& summer = fields[4];
  if (summer == "L" || summer == "l") {
    location.localMeanTime = true;
  } else if (summer.size() == 1 && summer[0] >= '0' && summer[0] <= '2') {
    location.summerHours = summer[0] - '0';
  } else if (!unknown(summer)) {
    return Rejection{"\"" + summer + "\" ist keine Sommerzeit (0, 1, 2 oder L)."};
  }
  return location;
}

// "14.4.1452" in the calendar of its day (Julian before 15.10.1582);
// "…g" Gregorian and "…j" Julian whatever the day.
Checked<chart::Date> dateOf(const std::string& field) {
  std::string text = field;
  std::optional<chart::Calendar> calendar;
  if (text.ends_with('g') || text.ends_with('G')) calendar = chart::Calendar::gregorian;
  if (text.ends_with('j') || text.ends_with('J')) calendar = chart::Calendar::julian;
  if (calendar) text.pop_back();
  if (unknown(text)) return Rejection{"Das Geburtsdatum fehlt."};
  return chart::checkDate("Geburtsdatum", text, calendar);
}

Checked<std::optional<BirthTime>> timeOf(const std::string& field) {
  if (unknown(field)) return std::optional<BirthTime>();
  const auto checked = chart::checkTime("Geburtszeit", field);
  if (const Rejection* refused = rejection(checked)) return *refused;
  const chart::ClockTime& clock = std::get<chart::ClockTime>(checked);
  const bool withSeconds = field.find(':') != field.rfind(':');
  return std::optional<BirthTime>(BirthTime{clock.hour, clock.minute, clock.second, withSeconds});
}

Checked<Person> personOfA93(const Chunk& chunk) {
  const Fields fields = fieldsOf(chunk.data);
  if (fields.size() != 7) {
    return Rejection{"#A93 hat " + std::to_string(fields.size()) + " statt 7 Felder."};
  }
  Person person;
  person.name = valueOf(fields[0]);
  person.firstName = valueOf(fields[1]);
  person.kind = valueOf(fields[2]);
  const auto date = dateOf(fields[3]);
  if (const Rejection* refused = rejection(date)) return *refused;
  person.birthDate = std::get<chart::Date>(date);
  const auto time = timeOf(fields[4]);
  if (const Rejection* refused = rejection(time)) return *refused;
  person.birthTime = std::get<std::optional<BirthTime>>(time);
  person.place = valueOf(fields[5]);
  person.country = valueOf(fields[6]);
  return person;
}

std::optional<chart::TimeZone> namedZone(const std::string& name) {
  if (name.empty()) return std::nullopt;
  auto zone = zoneNamed(name);
  if (rejection(zone)) return std::nullopt;
  return std::get<chart::TimeZone>(std::move(zone));
}

// The local time of the record as a moment read on a UT clock: the local
// time minus this gives the offset from UT.
std::chrono::sys_seconds localClock(const Person& person) {
  const BirthTime& time = *person.birthTime;
  return chart::daysOf(person.birthDate) + std::chrono::hours{time.hour} +
         std::chrono::minutes{time.minute} + std::chrono::seconds{time.second};
}

// The zone the fields of #B93 give: difference plus summer time, or the
// local mean time of the longitude; nothing when they do not say.
std::optional<std::chrono::seconds> fixedOffsetOf(const Location& location) {
  if (location.localMeanTime) {
    if (!location.longitude) return std::nullopt;
    return std::chrono::seconds{
        (*location.longitude * 240 + (*location.longitude >= 0 ? 1800 : -1800)) / 3600};
  }
  if (!location.difference) return std::nullopt;
  return *location.difference + std::chrono::hours{location.summerHours.value_or(0)};
}

// Moment, zone and abbreviation from #B93 and #ZNAM (see readAaf()).
std::optional<std::string> placeInTime(Person& person, const Location& location,
                                       const std::string& zoneName) {
  const auto named = namedZone(zoneName);
  if (location.julianDay) {
    person.birthMoment = momentOfJulianDay(*location.julianDay);
    if (person.birthTime) {
      const std::chrono::seconds offset = localClock(person) - *person.birthMoment;
      if (std::chrono::abs(offset) > std::chrono::hours{14}) {
        return "Der julianische Tag passt nicht zu Datum und Zeit (Abstand " +
               chart::offsetText(offset) + ").";
      }
      person.zone = chart::offsetText(offset);
    }
  }
  if (person.zone.empty()) {
    if (const auto offset = fixedOffsetOf(location)) person.zone = chart::offsetText(*offset);
  }
  if (!person.birthMoment) person.birthMoment = momentOfBirth(person);
  const bool sameOffset =
      named && person.birthMoment && !person.zone.empty() &&
      named->offsetAt(*person.birthMoment) ==
          std::get<chart::TimeZone>(zoneNamed(person.zone)).offsetAt(*person.birthMoment);
  if (named && (sameOffset || !person.birthTime || person.zone.empty())) {
    person.zone = named->name();
    if (!person.birthMoment) person.birthMoment = momentOfBirth(person);
  } else {
    person.zoneAbbreviation = zoneName;
  }
  return std::nullopt;
}

// The blocks of the record besides #A93, into the person.
Checked<AafRecord> recordOf(const RawRecord& raw) {
  auto checked = personOfA93(raw.chunks.front());
  if (const Rejection* refused = rejection(checked)) return *refused;
  Person person = std::get<Person>(std::move(checked));
  const Chunk* b93 = nullptr;
  std::string zoneName;
  std::vector<std::string> notes;
  for (std::size_t i = 1; i < raw.chunks.size(); ++i) {
    const Chunk& chunk = raw.chunks[i];
    std::string* single = chunk.id == "ZNAM"  ? &zoneName
                          : chunk.id == "SRC" ? &person.source
                          : chunk.id == "VIA" ? &person.via
                                              : nullptr;
    if (chunk.id == "B93") {
      if (b93) return Rejection{"Der Datensatz hat zwei #B93-Blöcke."};
      b93 = &chunk;
    } else if (chunk.id == "COM") {
      notes.emplace_back(trimmedOfAnyBlank(chunk.data));
    } else if (single) {
      if (!single->empty()) return Rejection{"Der Datensatz hat zwei #" + chunk.id + "-Blöcke."};
      *single = valueOf(std::string(trimmedOfAnyBlank(chunk.data)));
    }
  }
  for (const std::string& line : notes) person.notes += (person.notes.empty() ? "" : "\n") + line;
  while (person.notes.ends_with('\n')) person.notes.pop_back();
  zoneName = valueOf(zoneName);
  if (b93) {
    const auto location = locationOf(*b93);
    if (const Rejection* refused = rejection(location)) return *refused;
    const Location& at = std::get<Location>(location);
    if (at.latitude) person.latitude = degreesOfArcSeconds(*at.latitude);
    if (at.longitude) person.longitude = degreesOfArcSeconds(*at.longitude);
    if (auto fault = placeInTime(person, at, zoneName)) return Rejection{*fault};
  } else {
    person.zoneAbbreviation = zoneName;
  }
  if (auto fault = personFault(person)) return Rejection{*fault};
  return AafRecord{raw.line, std::move(person), b93 == nullptr};
}

}  // namespace

std::string aafText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::string asUtf8(bytes);
  if (codePointsToUtf8(utf8ToCodePoints(asUtf8)) == asUtf8) return asUtf8;
  return windows1252ToUtf8(bytes);
}

std::vector<AafRecord> readAaf(std::string_view bytes) {
  std::vector<AafRecord> records;
  for (const RawRecord& raw : recordsOf(aafText(bytes))) {
    auto record = recordOf(raw);
    if (const Rejection* refused = rejection(record)) {
      records.push_back({raw.line, *refused, false});
    } else {
      records.push_back(std::get<AafRecord>(std::move(record)));
    }
  }
  return records;
}

}  // namespace kelvaro::archive
