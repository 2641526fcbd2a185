#include "archive/aaf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "archive/julian_day.h"
#include "archive/zone_lookup.h"
#include "chart/time_zone.h"
#include "core/decimal_text.h"
#include "core/text_encoding.h"
#include "core/windows1252_check.h"

namespace kelvaro::archive {
namespace {

using std::chrono::seconds;

std::string orStar(const std::string& text) { return text.empty() ? "*" : text; }

// "49n05", "25s44:52", "8e11": degrees, hemisphere, minutes, and seconds
// where there are any.
std::string coordinateField(const std::optional<double>& degrees, char positive, char negative) {
  if (!degrees) return "*";
  const long long total = std::llabs(std::llround(*degrees * 3600));
  char text[40];
  const char hemisphere = *degrees < 0 && total != 0 ? negative : positive;
  if (total % 60 == 0) {
    std::snprintf(text, sizeof text, "%lld%c%02lld", total / 3600, hemisphere, total / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "%lld%c%02lld:%02lld", total / 3600, hemisphere,
                  total / 60 % 60, total % 60);
  }
  return text;
}

// "1he00", "5hw30", "0he21:48".
std::string differenceField(seconds offset) {
  const long long magnitude = std::llabs(offset.count());
  char text[40];
  const char direction = offset.count() < 0 ? 'w' : 'e';
  if (magnitude % 60 == 0) {
    std::snprintf(text, sizeof text, "%lldh%c%02lld", magnitude / 3600, direction,
                  magnitude / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "%lldh%c%02lld:%02lld", magnitude / 3600, direction,
                  magnitude / 60 % 60, magnitude % 60);
  }
  return text;
}

// Zone difference and summer time of #B93: the zone's standard offset and its
// summer hours at the birth moment (a summer time of no whole hours goes into
// the difference). Unknown without a zone; a named zone without a moment is
// left to #ZNAM.
std::pair<std::string, std::string> zoneFields(const Person& person) {
  if (person.zone.empty()) return {"*", "*"};
  const chart::TimeZone zone = std::get<chart::TimeZone>(zoneNamed(person.zone));
  if (!person.birthMoment) {
    if (!isFixedOffset(person.zone)) return {"*", "*"};
    return {differenceField(zone.offsetAt({})), "0"};
  }
  const seconds offset = zone.offsetAt(*person.birthMoment);
  const seconds summer = zone.savingAt(*person.birthMoment);
  if (summer.count() % 3600 != 0 || summer < seconds{0}) return {differenceField(offset), "0"};
  return {differenceField(offset - summer), std::to_string(summer.count() / 3600)};
}

std::string julianDayField(const Person& person) {
  if (!person.birthMoment) return "*";
  return fixedDecimal(julianDayOf(*person.birthMoment), 6);
}

std::string timeField(const Person& person) {
  if (!person.birthTime) return "*";
  const BirthTime& time = *person.birthTime;
  char text[40];
  if (time.withSeconds) {
    std::snprintf(text, sizeof text, "%d:%02d:%02d", time.hour, time.minute, time.second);
  } else {
    std::snprintf(text, sizeof text, "%d:%02d", time.hour, time.minute);
  }
  return text;
}

void appendRecord(std::string& out, const Person& person) {
  const chart::Date& date = person.birthDate;
  // A Julian date says so, for readers that take every date as Gregorian.
  const char* calendar = chart::calendarOf(date) == chart::Calendar::julian ? "j" : "";
  out += "\n#A93:" + orStar(person.name) + "," + orStar(person.firstName) + "," +
         orStar(person.kind) + "," + std::to_string(date.day) + "." + std::to_string(date.month) +
         "." + std::to_string(date.year) + calendar + "," + timeField(person) + "," +
         orStar(person.place) + "," + orStar(person.country) + "\n";
  const auto [difference, summer] = zoneFields(person);
  out += "#B93:" + julianDayField(person) + "," + coordinateField(person.latitude, 'n', 's') + "," +
         coordinateField(person.longitude, 'e', 'w') + "," + difference + "," + summer + "\n";
  const std::string& zoneName =
      !person.zone.empty() && !isFixedOffset(person.zone) ? person.zone : person.zoneAbbreviation;
  if (!zoneName.empty()) out += "#ZNAM:" + zoneName + "\n";
  if (!person.source.empty()) out += "#SRC:" + person.source + "\n";
  if (!person.via.empty()) out += "#VIA:" + person.via + "\n";
  std::size_t start = 0;
  while (start < person.notes.size()) {
    const std::size_t end = std::min(person.notes.find('\n', start), person.notes.size());
    out += "#COM:" + person.notes.substr(start, end - start) + "\n";
    start = end + 1;
  }
}

}  // namespace

Checked<std::string> aafFile(const std::vector<Person>& persons, AafEncoding encoding) {
  std::string text = "#: Personen aus dem Personenarchiv von Kelvaro\n";
  for (const Person& person : persons) {
    std::string record;
    appendRecord(record, person);
    if (encoding == AafEncoding::windows1252) {
      if (const auto missing = firstCharacterBeyondWindows1252(record)) {
        std::string character;
        appendUtf8(character, *missing);
        return Rejection{"Bei " + displayName(person) + " steht das Zeichen \"" + character +
                         "\", das Windows-1252 nicht kennt. Bitte als UTF-8 exportieren."};
      }
    }
    text += record;
  }
  if (encoding == AafEncoding::utf8) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
      if (c == '\n') out += '\r';
      out += c;
    }
    return out;
  }
  std::string out;
  appendWindows1252Lines(out, text);
  return out;
}

}  // namespace kelvaro::archive
