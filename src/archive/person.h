#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "chart/chart_entry.h"

namespace kelvaro::archive {

// The number a person keeps in the archive for good; a deleted person's
// number is never given to another one.
using PersonId = std::int64_t;

// A birth time as given: to the minute or to the second.
struct BirthTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool withSeconds = false;
  friend bool operator==(const BirthTime&, const BirthTime&) = default;
};

// One person (or event) of the archive.
struct Person {
  PersonId id = 0;                     // 0 until the archive stores it
  std::string name;                    // surname, or the title of an event
  std::string firstName;               // may be empty
  std::string kind;                    // AAF: "m", "w" or "f", "e" (event), …; empty when unknown
  chart::Date birthDate;               // as given, on the local clock
  std::optional<BirthTime> birthTime;  // nothing: unknown (AAF "*")
  std::string zone;              // tz name ("Europe/Berlin") or offset ("+01:00"); empty: unknown
  std::string zoneAbbreviation;  // AAF #ZNAM that names no zone ("MEZ"), kept for the export
  // The birth moment in UT: from date, time and zone, or from the Julian day
  // of an AAF record; nothing where neither gives it.
  std::optional<std::chrono::sys_seconds> birthMoment;
  std::string place;
  std::string country;              // AAF country code ("D"); may be empty
  std::optional<double> latitude;   // degrees, north positive, to the arc second
  std::optional<double> longitude;  // degrees, east positive, to the arc second
  std::string source;               // AAF #SRC
  std::string via;                  // AAF #VIA
  std::string notes;                // AAF #COM; lines separated by "\n"
  std::string created;              // "2026-12-08 14:03:12" (UT), set by the archive
  std::string changed;              // likewise, at every change

  friend bool operator==(const Person&, const Person&) = default;
};

// "05.03.1970", "14:30" or "14:30:15" (empty when unknown), as the windows
// and the command line show them.
std::string birthDateText(const Person& person);
std::string birthTimeText(const Person& person);

// "Ort prüfen": coordinates or zone are missing (an imported record whose
// place the atlas did not know for sure), so no transit file can be made yet.
bool placeUnchecked(const Person& person);

// "Müller, Anna" (or the name alone), for messages.
std::string displayName(const Person& person);

// A coordinate rounded to the arc second. Every way into the archive (typed,
// imported) stores coordinates so, the same arc seconds as the same double,
// which is what lets a person travel through AAF and come back unchanged.
double roundedToArcSecond(double degrees);
// Degrees from a whole number of arc seconds (negative: south or west).
double degreesOfArcSeconds(std::int64_t arcSeconds);

// The birth moment the date, time and zone give, where all three are known
// and the zone does not refuse the local time.
std::optional<std::chrono::sys_seconds> momentOfBirth(const Person& person);

// Whether the archive can hold the person: a name or a first name, a real
// date (years 1800 to 2399), coordinates in range, a known zone where one is
// given, texts without control characters (line breaks only in the notes),
// at most 255 characters each (the notes 10,000), no comma in the fields
// that AAF separates by commas (those of #A93) and no field that is
// a lone "*" (AAF's "unknown"). The German message of the first thing wrong,
// or nothing.
std::optional<std::string> personFault(const Person& person);

}  // namespace kelvaro::archive
