#include "archive/aaf_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>
#include <variant>

#include "archive/julian_day.h"
#include "archive/zone_lookup.h"
#include "chart/chart_entry.h"
#include "chart/date_time.h"
#include "chart/time_zone.h"
#include "core/entry_text.h"
#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

constexpr std::size_t kRecordLimit = std::size_t{64} * 1024;  // bytes of text kept of one record
constexpr std::size_t kListedLines = 20;
constexpr std::chrono::hours kMostOffset{14};
constexpr std::chrono::seconds kJulianDayTolerance{60};
// Julian days of the years Kelvaro computes charts for (01.01.1000 Julian to
// 31.12.2999), with a day to spare: beyond them a day cannot fit its date.
constexpr double kFirstJulianDay = 2086306.5;
constexpr double kLastJulianDay = 2816788.5;

// The blocks of a record that make the person.
constexpr std::string_view kUsedBlocks[] = {"A93", "B93", "ZNAM", "SRC", "VIA", "COM"};

// One block: "#B93:…" with its continuation lines.
struct Chunk {
  std::string id;  // "A93", "B93", "COM", …
  std::string data;
};

// The blocks of one record, as far as they fit into kRecordLimit.
struct RawRecord {
  int line = 0;
  std::vector<Chunk> chunks;  // #A93 first, then the used blocks up to a #SUB
  bool inSubHoroscope = false;
  bool tooLong = false;
  std::size_t size = 0;

  // Whether `bytes` (raw, before decoding) still fit; marks the record
  // too long otherwise.
  bool fits(std::size_t bytes) {
    if (size + bytes > kRecordLimit) tooLong = true;
    return !tooLong;
  }
  void keep(std::string& into, const std::string& text) {
    size += text.size();
    if (size > kRecordLimit) tooLong = true;
    if (!tooLong) into += text;
  }
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

bool beyondAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
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
  std::string julianDayText;              // as written, for messages
  std::optional<std::int64_t> latitude;   // arc seconds
  std::optional<std::int64_t> longitude;  // arc seconds
  std::optional<std::chrono::seconds> difference;
  std::optional<int> summerHours;
  bool localMeanTime = false;  // summer time "L" or "m"
};

std::optional<double> julianDayFromField(const std::string& text) {
  double day = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, day, std::chars_format::fixed);
  if (error != std::errc() || stop != end || !(day >= kFirstJulianDay && day <= kLastJulianDay)) {
    return std::nullopt;
  }
  return day;
}

Checked<Location> locationOf(const Chunk& chunk) {
  const Fields fields = fieldsOf(chunk.data);
  if (fields.size() != 5) {
    return Rejection{"#B93 hat " + std::to_string(fields.size()) + " statt 5 Felder."};
  }
  Location location;
  if (!unknown(fields[0]) && !(location.julianDay = julianDayFromField(fields[0]))) {
    return Rejection{"\"" + fields[0] + "\" ist kein julianischer Tag der Jahre 1000 bis 2999."};
  }
  location.julianDayText = fields[0];
  if (!unknown(fields[1]) && !(location.latitude = arcSecondsOf(fields[1], 90, "n", 's'))) {
    return Rejection{"\"" + fields[1] + "\" ist keine Breite wie 49n05."};
  }
  if (location.latitude && !chart::latitudeInRange(degreesOfArcSeconds(*location.latitude))) {
    return Rejection{"Breite: \"" + fields[1] + "\" liegt außerhalb von " +
                     chart::coordinateRangeText(true) + "."};
  }
  if (!unknown(fields[2]) && !(location.longitude = arcSecondsOf(fields[2], 180, "eo", 'w'))) {
    return Rejection{"\"" + fields[2] + "\" ist keine Länge wie 8e11."};
  }
  if (!unknown(fields[3]) && !(location.difference = zoneDifferenceOf(fields[3]))) {
    return Rejection{"\"" + fields[3] + "\" ist keine Zonendifferenz wie 1he00."};
  }
  const std::string& summer = fields[4];
  if (summer == "L" || summer == "l" || summer == "m" || summer == "M") {
    location.localMeanTime = true;
  } else if (summer.size() == 1 && summer[0] >= '0' && summer[0] <= '2') {
    location.summerHours = summer[0] - '0';
  } else if (!unknown(summer)) {
    return Rejection{"\"" + summer + "\" ist keine Sommerzeit (0, 1, 2, L oder m)."};
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

// The local mean time of a longitude (arc seconds, east positive): 4
// minutes a degree, to the second.
std::chrono::seconds localMeanOffset(std::int64_t longitude) {
  return std::chrono::seconds{(longitude * 240 + (longitude >= 0 ? 1800 : -1800)) / 3600};
}

// The zone the fields of #B93 give: difference plus summer time, or the
// local mean time of the longitude; nothing when they do not say.
std::optional<std::chrono::seconds> fixedOffsetOf(const Location& location) {
  if (location.localMeanTime) {
    if (!location.longitude) return std::nullopt;
    return localMeanOffset(*location.longitude);
  }
  if (!location.difference) return std::nullopt;
  return *location.difference + std::chrono::hours{location.summerHours.value_or(0)};
}

// Every offset from UT the fields of #B93 allow, the one they mean first:
// the local mean time for "L" and "m" (and the difference, which may write
// it out), else the difference plus the summer hours (0, 1 or 2 where the
// summer time is unknown). Empty when they do not say.
std::vector<std::chrono::seconds> offsetsOf(const Location& location) {
  std::vector<std::chrono::seconds> offsets;
  if (const auto meant = fixedOffsetOf(location)) offsets.push_back(*meant);
  if (!location.difference) return offsets;
  if (location.localMeanTime) {
    offsets.push_back(*location.difference);
  } else if (!location.summerHours) {
    offsets.push_back(*location.difference + std::chrono::hours{1});
    offsets.push_back(*location.difference + std::chrono::hours{2});
  }
  return offsets;
}

// "09.05.1949 20:30:00 UT", the date in the calendar of its day.
std::string universalText(std::chrono::sys_seconds moment) {
  const auto day = std::chrono::floor<std::chrono::days>(moment);
  const std::chrono::hh_mm_ss time{moment - day};
  return chart::localTimeText(
             {chart::dateOf(day),
              {static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
               static_cast<int>(time.seconds().count())}}) +
         " UT";
}

// Why the Julian day of #B93 does not fit the rest of the record (see
// AafReader); nothing when it fits.
std::optional<std::string> julianDayFault(const Person& person, const Location& location,
                                          std::chrono::sys_seconds moment) {
  const std::string day =
      "Der julianische Tag " + location.julianDayText + " (" + universalText(moment) + ")";
  if (!person.birthTime) {
    const std::chrono::sys_seconds midnight{chart::daysOf(person.birthDate)};
    if (moment >= midnight - kMostOffset &&
        moment < midnight + std::chrono::days{1} + kMostOffset) {
      return std::nullopt;
    }
    return day + " fällt nicht auf das Geburtsdatum " + birthDateText(person) + ".";
  }
  const std::chrono::seconds implied = localClock(person) - moment;
  const auto offsets = offsetsOf(location);
  if (offsets.empty()) {
    if (std::chrono::abs(implied) <= kMostOffset) return std::nullopt;
    return day + " passt nicht zu Datum und Zeit (Abstand " + chart::offsetText(implied) + ").";
  }
  for (const std::chrono::seconds offset : offsets) {
    if (std::chrono::abs(implied - offset) <= kJulianDayTolerance) return std::nullopt;
  }
  return day + " passt nicht zu Datum, Zeit und Zone (" +
         universalText(localClock(person) - offsets.front()) + ").";
}

// Moment, zone and abbreviation from #B93 and #ZNAM (see AafReader).
std::optional<std::string> placeInTime(Person& person, const Location& location,
                                       const std::string& zoneName) {
  const auto named = namedZone(zoneName);
  if (location.julianDay) {
    const auto moment = momentOfJulianDay(*location.julianDay);
    if (auto fault = julianDayFault(person, location, moment)) return fault;
    person.birthMoment = moment;
    if (person.birthTime) person.zone = chart::offsetText(localClock(person) - moment);
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
  if (raw.tooLong) {
    return Rejection{"Der Datensatz ist länger als " + std::to_string(kRecordLimit / 1024) +
                     " KB; so lange Angaben nimmt das Archiv nicht."};
  }
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
  // Without #B93 nothing but a #ZNAM tells the zone.
  Location at;
  if (b93) {
    auto location = locationOf(*b93);
    if (const Rejection* refused = rejection(location)) return *refused;
    at = std::get<Location>(std::move(location));
    if (at.latitude) person.latitude = degreesOfArcSeconds(*at.latitude);
    if (at.longitude) person.longitude = degreesOfArcSeconds(*at.longitude);
  }
  if (auto fault = placeInTime(person, at, zoneName)) return Rejection{*fault};
  if (auto fault = personFault(person)) return Rejection{*fault};
  return AafRecord{raw.line, std::move(person), b93 == nullptr};
}

}  // namespace

std::optional<std::string> mixedEncodingNote(const AafLineEncodings& encoding) {
  if (encoding.utf8Lines == 0 || encoding.windows1252Lines == 0) return std::nullopt;
  const std::vector<int>& listed = encoding.firstWindows1252Lines;
  const std::size_t total = static_cast<std::size_t>(encoding.windows1252Lines);
  std::string text = total == 1 ? "Zeile " : "Zeilen ";
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const bool last = i + 1 == total;
    text += (i == 0 ? "" : last ? " und " : ", ") + std::to_string(listed[i]);
  }
  if (listed.size() < total) text += ", … (insgesamt " + std::to_string(total) + ")";
  return text + (total == 1 ? " ist kein UTF-8 und wurde" : " sind kein UTF-8 und wurden") +
         " als Windows-1252 gelesen, die übrigen Zeilen als UTF-8.";
}

AafReader::AafReader(std::string_view bytes) : rest_(bytes) {
  if (rest_.starts_with("\xEF\xBB\xBF")) rest_.remove_prefix(3);
}

std::optional<AafReader::Line> AafReader::takeLine() {
  if (rest_.empty()) return std::nullopt;
  const std::size_t end = std::min(rest_.find_first_of("\r\n"), rest_.size());
  Line line{rest_.substr(0, end), ++lineCount_, true};
  rest_.remove_prefix(end == rest_.size() ? end
                                          : end + (rest_.compare(end, 2, "\r\n") == 0 ? 2 : 1));
  if (beyondAscii(line.bytes)) {
    line.utf8 = isUtf8(line.bytes);
    if (line.utf8) {
      ++encoding_.utf8Lines;
    } else {
      ++encoding_.windows1252Lines;
      if (encoding_.firstWindows1252Lines.size() < kListedLines) {
        encoding_.firstWindows1252Lines.push_back(line.number);
      }
    }
  }
  return line;
}

std::optional<AafRecord> AafReader::next() {
  const auto text = [](const Line& line, std::string_view bytes) {
    return line.utf8 ? std::string(bytes) : windows1252ToUtf8(bytes);
  };
  std::optional<Line> line = std::exchange(pending_, std::nullopt);
  if (!line) line = takeLine();
  while (line && !line->bytes.starts_with("#A93:")) line = takeLine();
  if (!line) return std::nullopt;

  RawRecord raw{line->number, {}, false, false, 0};
  raw.chunks.push_back({"A93", {}});
  if (raw.fits(line->bytes.size()))
    raw.keep(raw.chunks.back().data, text(*line, line->bytes.substr(5)));
  Chunk* open = &raw.chunks.back();  // the block a continuation line belongs to
  while ((line = takeLine())) {
    if (!line->bytes.starts_with('#')) {
      if (open && raw.fits(line->bytes.size())) raw.keep(open->data, text(*line, line->bytes));
      continue;
    }
    open = nullptr;
    const std::size_t colon = line->bytes.find(':');
    if (colon == std::string_view::npos || colon == 1) continue;  // "#:" comments
    const std::string_view id = line->bytes.substr(1, colon - 1);
    if (id == "A93") {
      pending_ = line;
      break;
    }
    if (raw.inSubHoroscope) continue;
    if (id.starts_with("SUB")) {
      raw.inSubHoroscope = true;
      continue;
    }
    if (std::find(std::begin(kUsedBlocks), std::end(kUsedBlocks), id) == std::end(kUsedBlocks) ||
        !raw.fits(line->bytes.size())) {
      continue;
    }
    raw.chunks.push_back({std::string(id), {}});
    open = &raw.chunks.back();
    raw.keep(open->data, text(*line, line->bytes.substr(colon + 1)));
  }
  auto record = recordOf(raw);
  if (const Rejection* refused = rejection(record)) return AafRecord{raw.line, *refused, false};
  return std::get<AafRecord>(std::move(record));
}

std::vector<AafRecord> readAaf(std::string_view bytes) {
  std::vector<AafRecord> records;
  AafReader reader(bytes);
  while (auto record = reader.next()) records.push_back(std::move(*record));
  return records;
}

}  // namespace kelvaro::archive
