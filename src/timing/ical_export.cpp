#include "timing/ical_export.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "chart/ephemeris.h"
#include "core/pair_texts.h"

namespace kelvaro::timing {
namespace {

constexpr std::size_t kLineOctets = 75;  // the longest content line, folded beyond

// "20310314": iCalendar writes every day in the Gregorian calendar, also
// the days before 1582.
std::string dateValue(std::chrono::sys_days days) {
  const std::chrono::year_month_day day(days);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(day.year()) % 10000,
                static_cast<unsigned>(day.month()) % 100, static_cast<unsigned>(day.day()) % 100);
  return text;
}

std::chrono::sys_days utcDay(std::chrono::sys_seconds moment) {
  return std::chrono::floor<std::chrono::days>(moment);
}

// "20311105T130700Z"
std::string utcValue(std::chrono::sys_seconds moment) {
  const auto day = std::chrono::floor<std::chrono::days>(moment);
  const std::chrono::hh_mm_ss clock(moment - day);
  char text[16];
  std::snprintf(text, sizeof text, "T%02d%02d%02dZ", static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return dateValue(utcDay(moment)) + text;
}

// A TEXT value: backslash, semicolon, comma and line breaks escaped.
std::string escaped(std::string_view text) {
  std::string value;
  for (const char c : text) {
    if (c == '\\' || c == ';' || c == ',') value += '\\';
    if (c == '\n') {
      value += "\\n";
    } else {
      value += c;
    }
  }
  return value;
}

// Appends a content line, folded into lines of at most 75 bytes (never
// inside a UTF-8 character), each ended by CR LF.
void appendLine(std::string& out, std::string_view line) {
  std::size_t room = kLineOctets;
  while (line.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out.append(line.substr(0, cut));
    out += "\r\n ";
    line.remove_prefix(cut);
    room = kLineOctets - 1;  // the blank that begins a continuation counts
  }
  out.append(line);
  out += "\r\n";
}

// A name of the person that stays the same from export to export.
std::string personKey(const chart::BirthData& birth) {
  std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
  const std::string key = birth.name + '\n' + birth.firstName + '\n' +
                          std::to_string(birth.moment.time_since_epoch().count());
  for (const char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string pointName(const RadixPoint& point) {
  std::string name = factorVariantName(point.first, Variant::r);
  if (point.second != 0) name += "-" + factorVariantName(point.second, Variant::r);
  return name;
}

// What the UID of a hit is made of: its day in UT, mover, point and direction,
// and a dial other than the standard one (so that its events do not replace
// those of the standard dial in a calendar that holds both).
std::string hitKey(const TimelineHit& hit, const RadixPoint& point, DialSize dial) {
  std::string key = dateValue(utcDay(chart::utMoment(hit.julianDay))) + "-" +
                    factorVariantName(hit.factor, variantOf(hit.kind)) + "-" + pointName(point) +
                    "-" + (hit.direct ? "d" : "r");
  if (!dial.isStandard()) key += "-D" + dial.optionText();
  return key;
}

// A hit's UID; `repeat` counts the earlier hits of the file with the same
// key (a body that turns may pass a place twice in one direction on one
// day), so that every UID of the file is its own and the first keeps the
// UID it has always had.
std::string uidOf(const std::string& key, int repeat, const std::string& person) {
  std::string uid = key + "-" + person;
  if (repeat > 0) uid += "-" + std::to_string(repeat + 1);
  return uid + "@kelvaro";
}

// "Müller, Jürgen: SOs = MCr/SAr"
std::string summaryOf(const std::string& person, const TimelineHit& hit, const RadixPoint& point) {
  return person + ": " + factorVariantName(hit.factor, variantOf(hit.kind)) + " = " +
         pointText(point);
}

void appendEvent(std::string& out, const TimelineHit& hit, std::string_view uid,
                 const std::string& summary, std::string_view line, const std::string& title,
                 const std::string& stamp) {
  appendLine(out, "BEGIN:VEVENT");
  appendLine(out, "UID:" + std::string(uid));
  appendLine(out, "DTSTAMP:" + stamp);
  if (hit.kind == MoverKind::transit) {
    appendLine(out, "DTSTART:" + utcValue(hit.shown));
  } else {
    const std::chrono::sys_days day = chart::daysOf(hit.shownLocal.date);
    appendLine(out, "DTSTART;VALUE=DATE:" + dateValue(day));
    appendLine(out, "DTEND;VALUE=DATE:" + dateValue(day + std::chrono::days(1)));
  }
  appendLine(out, "SUMMARY:" + escaped(summary));
  appendLine(out, "DESCRIPTION:" + escaped(title + "\n" + std::string(line)));
  appendLine(out, "TRANSP:TRANSPARENT");
  appendLine(out, "END:VEVENT");
}

}  // namespace

bool IcalFilter::takes(const TimelineHit& hit) const {
  if (everyHit) return true;
  if (hit.kind != MoverKind::transit) return hit.factor != factor::MO;
  return hit.factor >= factor::JU && hit.factor <= factor::PL;  // JU SA UR NE PL
}

IcalCalendar icalendarOf(const chart::BirthData& birth, const Timeline& timeline,
                         std::chrono::sys_seconds stamp, IcalFilter filter) {
  const std::string personKeyText = personKey(birth);
  const std::string person = personLabel(birth.name, birth.firstName);
  const std::string stampValue = utcValue(stamp);
  const std::string title(timeline.result.lines.empty() ? "" : timeline.result.lines[0]);
  IcalCalendar calendar;
  std::string& out = calendar.text;
  appendLine(out, "BEGIN:VCALENDAR");
  appendLine(out, "VERSION:2.0");
  appendLine(out, "PRODID:-//Kelvaro//Zeitleiste//DE");
  appendLine(out, "CALSCALE:GREGORIAN");
  appendLine(out, "METHOD:PUBLISH");
  appendLine(out, "X-WR-CALNAME:" + escaped(title));
  std::map<std::string, int> earlier;  // the hits of each key so far
  for (std::size_t i = 0; i < timeline.hits.size(); ++i) {
    const TimelineHit& hit = timeline.hits[i];
    // A filtered mover leaves out every hit of its keys, so the UIDs of
    // the others stay as they are.
    if (!filter.takes(hit)) continue;
    const RadixPoint& point = timeline.points[hit.point];
    const std::string key = hitKey(hit, point, timeline.dial);
    const std::string uid = uidOf(key, earlier[key]++, personKeyText);
    appendEvent(out, hit, uid, summaryOf(person, hit, point), timeline.result.lines[i + 1], title,
                stampValue);
    ++calendar.events;
  }
  appendLine(out, "END:VCALENDAR");
  return calendar;
}

std::string icalendarReport(const IcalCalendar& written, IcalFilter filter) {
  const std::string events =
      written.events == 1 ? "1 Termin" : std::to_string(written.events) + " Termine";
  return events + " geschrieben (" +
         (filter.everyHit ? "alle Zeilen der Liste" : "S und P ohne MO, T von JU bis PL") + ").";
}

}  // namespace kelvaro::timing
