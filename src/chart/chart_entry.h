#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "chart/date_time.h"
#include "chart/time_zone.h"
#include "core/checked.h"

namespace kelvaro::chart {

// The checks of the typed birth and transit data. Every refusal is a German
// message that names the field and what is wrong with it.

// The years a transit file can be computed for.
inline constexpr int kFirstYear = 1000;
inline constexpr int kLastYear = 2999;

// "DD.MM.YYYY" (day and month may have one digit; typed without dots,
// "DDMMYYYY" is the same date), a real date, years 1000
// to 2999, in the calendar of its day (Julian before 15.10.1582). A date
// `written` in a named calendar is taken in that one and returned in the
// calendar of its day ("24.12.1600" Julian is the 03.01.1601).
Checked<Date> checkDate(std::string_view label, std::string_view text,
                        std::optional<Calendar> written = std::nullopt);
// "HH:MM" or "HH:MM:SS", 24 hours (the hour may have one digit, minutes
// and seconds have two).
Checked<ClockTime> checkTime(std::string_view label, std::string_view text);
// The ranges every way into the program takes a place's coordinates in:
// latitudes at most 89°59' from the equator (at the poles the houses are not
// defined), longitudes at most 180° from Greenwich; in degrees, north and
// east positive. Its text names the range ("89°59' S bis 89°59' N").
bool latitudeInRange(double degrees);
bool longitudeInRange(double degrees);
std::string coordinateRangeText(bool latitude);
// Decimal degrees, north positive ("50.9333", "-33,87"), or degrees, minutes
// and optional seconds with N or S ("50°56' N", "50°56'30\" S"); at most
// 89°59' from the equator.
Checked<double> checkLatitude(std::string_view label, std::string_view text);
// Decimal degrees, east positive, or degrees and minutes with O (or E) or W;
// at most 180°.
Checked<double> checkLongitude(std::string_view label, std::string_view text);
// At most 255 characters, all of them in Windows-1252; `required` refuses an
// empty text, and one of nothing but blanks (spaces, tabs, line ends,
// no-break spaces). Returns the text without surrounding blanks.
Checked<std::string> checkTextField(std::string_view label, std::string_view text, bool required);

// The fields of one transit file, in the order they are checked.
enum class ChartField {
  name,
  firstName,
  birthDate,
  birthTime,
  birthZone,
  birthLatitude,
  birthLongitude,
  place,
  transitDate,
  transitTime,
  transitZone,
  transitLatitude,
  transitLongitude,
};

// The texts as typed.
struct ChartEntry {
  std::string name;
  std::string firstName;
  std::string birthDate;
  std::string birthTime;
  std::string birthZone;
  std::string birthLatitude;
  std::string birthLongitude;
  std::string place;
  std::string transitDate;
  std::string transitTime;
  std::string transitZone;
  std::string transitLatitude;
  std::string transitLongitude;
};

// Everything a transit record is computed from.
struct ChartRequest {
  std::string name;
  std::string firstName;
  std::string place;
  std::chrono::sys_seconds birth;  // UT
  TimeZone birthZone = TimeZone::universal();
  double birthLatitude = 0;
  double birthLongitude = 0;
  std::chrono::sys_seconds transit;  // UT, not before the birth
  LocalTime transitLocal;            // the transit moment as entered
  double transitLatitude = 0;
  double transitLongitude = 0;
};

// A person's birth, from which the radix, the progression and the solar
// arc are computed.
struct BirthData {
  std::string name;
  std::string firstName;
  std::chrono::sys_seconds moment;  // UT
  TimeZone zone = TimeZone::universal();
  double latitude = 0;   // north positive
  double longitude = 0;  // east positive
};

BirthData birthDataOf(const ChartRequest& request);

// The first field that is refused, with its message.
struct ChartRefusal {
  ChartField field;
  std::string message;
};

// Checks every field in order; a transit before the birth is refused at the
// transit date.
std::variant<ChartRequest, ChartRefusal> checkChartEntry(const ChartEntry& entry);

// "50°56' N", "33°52' S" and "06°57' O", "151°12' W": rounded to the arc
// minute, degrees with at least two digits.
std::string latitudeText(double latitude);
std::string longitudeText(double longitude);

// "50°56'00\" N", "06°57'00\" O": to the arc second, as an entry field shows a
// coordinate it was given (checkLatitude and checkLongitude read it back).
std::string latitudeEntryText(double latitude);
std::string longitudeEntryText(double longitude);

}  // namespace kelvaro::chart
