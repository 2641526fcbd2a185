#include "chart/chart_entry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "core/entry_text.h"
#include "core/text_encoding.h"
#include "core/windows1252_check.h"

namespace kelvaro::chart {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";

// A reader that takes a text apart from the front.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : rest_(text) {}
  bool atEnd() const { return rest_.empty(); }
  void skipBlanks() { rest_ = trimmedOfAnyBlank(rest_); }
  // A run of minDigits to maxDigits digits.
  std::optional<int> number(std::size_t minDigits, std::size_t maxDigits) {
    std::size_t n = 0;
    int value = 0;
    while (n < rest_.size() && isDigit(rest_[n])) {
      if (++n > maxDigits) return std::nullopt;
      value = value * 10 + (rest_[n - 1] - '0');
    }
    if (n == 0 || n < minDigits) return std::nullopt;
    rest_.remove_prefix(n);
    return value;
  }
  bool take(std::string_view expected) {
    if (!rest_.starts_with(expected)) return false;
    rest_.remove_prefix(expected.size());
    return true;
  }

 private:
  std::string_view rest_;
};

// "01.01.2026", "1.1.2026", or typed without dots "01012026"; a year of
// three digits is read (and gets the range of the years), fewer are the
// form of a date written short.
std::optional<Date> readDate(std::string_view entry) {
  if (entry.size() == 8 && std::all_of(entry.begin(), entry.end(), isDigit)) {
    const auto digits = [entry](std::size_t from, std::size_t count) {
      int value = 0;
      for (std::size_t k = from; k < from + count; ++k) value = value * 10 + (entry[k] - '0');
      return value;
    };
    return Date{digits(4, 4), digits(2, 2), digits(0, 2)};
  }
  Cursor cursor(entry);
  const auto day = cursor.number(1, 2);
  const bool dot1 = cursor.take(".");
  const auto month = cursor.number(1, 2);
  const bool dot2 = cursor.take(".");
  const auto year = cursor.number(1, 4);
  if (!day || !dot1 || !month || !dot2 || !year || *year < 100 || !cursor.atEnd()) {
    return std::nullopt;
  }
  return Date{*year, *month, *day};
}

std::string inQuotes(std::string_view text) {
  std::string quoted(1, '"');
  quoted += text;
  quoted += '"';
  return quoted;
}

Rejection refuse(std::string_view label, const std::string& message) {
  return Rejection{std::string(label) + ": " + message};
}

// "50.9333", "-6,95", "+12": a decimal number of degrees with at most one sign.
std::optional<double> decimalDegrees(std::string_view text) {
  std::string number(text);
  const bool plus = number.starts_with('+');
  if (plus) number.erase(0, 1);
  if (plus && number.starts_with('-')) return std::nullopt;
  const std::size_t digits = number.starts_with('-') ? 1 : 0;
  if (number.size() == digits || !isDigit(number[digits])) return std::nullopt;
  for (char& c : number) c = c == ',' ? '.' : c;
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
  if (error != std::errc() || stop != end || number.back() == '.') return std::nullopt;
  return value;
}

// "50°56' N", "50°56'30\" N", "6° 57′ O": degrees, minutes and optional
// seconds followed by one hemisphere letter; `positive` and `negative` are
// the letters of the two hemispheres (`positive` may offer two, O and E).
std::optional<double> sexagesimalDegrees(std::string_view text, std::string_view positive,
                                         char negative) {
  Cursor cursor(text);
  const auto degrees = cursor.number(1, 3);
  if (!degrees || !cursor.take(kDegreeSign)) return std::nullopt;
  cursor.skipBlanks();
  const auto minutes = cursor.number(1, 2);
  if (!minutes || *minutes > 59 || !(cursor.take("'") || cursor.take("\xE2\x80\xB2"))) {
    return std::nullopt;
  }
  cursor.skipBlanks();
  int seconds = 0;
  if (const auto given = cursor.number(1, 2)) {
    if (*given > 59 || !(cursor.take("\"") || cursor.take("''") || cursor.take("\xE2\x80\xB3"))) {
      return std::nullopt;
    }
    seconds = *given;
  }
  cursor.skipBlanks();
  double sign = 0;
  for (const char letter : positive) {
    if (cursor.take(std::string_view(&letter, 1))) {
      sign = 1;
      break;
    }
  }
  if (sign == 0 && cursor.take(std::string_view(&negative, 1))) sign = -1;
  if (sign == 0 || !cursor.atEnd()) return std::nullopt;
  return sign * (*degrees + *minutes / 60.0 + seconds / 3600.0);
}

Checked<double> checkCoordinate(std::string_view label, std::string_view text, bool latitude) {
  const std::string_view entry = trimmedOfAnyBlank(text);
  const std::string upper = upperCasedAscii(entry);
  const auto value =
      latitude ? sexagesimalDegrees(upper, "N", 'S') : sexagesimalDegrees(upper, "OE", 'W');
  const auto degrees = value ? value : decimalDegrees(entry);
  const std::string form = latitude ? "50.9333 oder 50°56' N" : "6.95 oder 06°57' O";
  if (!degrees) {
    return refuse(label,
                  inQuotes(entry) + " ist keine Angabe in Grad. Bitte als " + form + " angeben.");
  }
  if (!(latitude ? latitudeInRange(*degrees) : longitudeInRange(*degrees))) {
    return refuse(label,
                  inQuotes(entry) + " liegt außerhalb von " + coordinateRangeText(latitude) + ".");
  }
  return *degrees;
}

// "50°56' N": whole arc minutes, the degrees with two digits at least;
// with `seconds` "50°55'59\" N", whole arc seconds.
std::string coordinateText(double value, char positive, char negative, bool seconds = false) {
  const double unitsPerDegree = seconds ? 3600 : 60;
  const long long units = static_cast<long long>(std::round(std::fabs(value) * unitsPerDegree));
  const char hemisphere = value < 0 && units != 0 ? negative : positive;
  char text[40];
  if (seconds) {
    std::snprintf(text, sizeof text, "%02lld\xC2\xB0%02lld'%02lld\" %c", units / 3600,
                  units / 60 % 60, units % 60, hemisphere);
  } else {
    std::snprintf(text, sizeof text, "%02lld\xC2\xB0%02lld' %c", units / 60, units % 60,
                  hemisphere);
  }
  return text;
}

}  // namespace

// Beyond the limit by less than rounding makes (a typed 89°59' is 89.98333…).
bool latitudeInRange(double degrees) { return std::fabs(degrees) <= 89 + 59 / 60.0 + 1e-9; }
bool longitudeInRange(double degrees) { return std::fabs(degrees) <= 180 + 1e-9; }

std::string coordinateRangeText(bool latitude) {
  return latitude ? "89°59' S bis 89°59' N" : "180° W bis 180° O";
}

Checked<Date> checkDate(std::string_view label, std::string_view text,
                        std::optional<Calendar> written) {
  const std::string_view entry = trimmedOfAnyBlank(text);
  const std::optional<Date> read = readDate(entry);
  const Date given = read.value_or(Date{});
  const bool exists =
      read && (written ? isDayIn(*written, given) : isDayIn(calendarOf(given), given));
  if (!exists) {
    return refuse(label,
                  inQuotes(entry) + " ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben.");
  }
  if (!written && !isCalendarDay(given)) {
    return refuse(label, "Den " + dateText(given) +
                             " gibt es nicht: Auf den 04.10.1582 (julianischer Kalender) folgte "
                             "der 15.10.1582 (gregorianischer Kalender).");
  }
  const Date date = written ? dateOf(daysIn(*written, given)) : given;
  if (date.year < kFirstYear || date.year > kLastYear) {
    return refuse(label, "Das Jahr " + std::to_string(date.year) + " liegt nicht zwischen " +
                             std::to_string(kFirstYear) + " und " + std::to_string(kLastYear) +
                             ".");
  }
  return date;
}

Checked<ClockTime> checkTime(std::string_view label, std::string_view text) {
  const std::string_view entry = trimmedOfAnyBlank(text);
  Cursor cursor(entry);
  const auto hour = cursor.number(1, 2);
  const bool colon1 = cursor.take(":");
  const auto minute = cursor.number(2, 2);
  std::optional<int> second = 0;
  if (cursor.take(":")) second = cursor.number(2, 2);
  if (!hour || !colon1 || !minute || !second || !cursor.atEnd() || *hour > 23 || *minute > 59 ||
      *second > 59) {
    return refuse(label, inQuotes(entry) +
                             " ist keine gültige Uhrzeit. Bitte als HH:MM oder HH:MM:SS angeben "
                             "(00:00 bis 23:59:59).");
  }
  return ClockTime{*hour, *minute, *second};
}

Checked<double> checkLatitude(std::string_view label, std::string_view text) {
  return checkCoordinate(label, text, true);
}

Checked<double> checkLongitude(std::string_view label, std::string_view text) {
  return checkCoordinate(label, text, false);
}

Checked<std::string> checkTextField(std::string_view label, std::string_view text, bool required) {
  const std::string entry(trimmedOfAnyBlank(text));
  if (required && entry.empty()) return refuse(label, "Bitte angeben.");
  if (const auto missing = firstCharacterBeyondWindows1252(entry)) {
    std::string character;
    appendUtf8(character, *missing);
    return refuse(label, "Das Zeichen " + inQuotes(character) +
                             " lässt sich in der Transit-Datei nicht speichern (Windows-1252).");
  }
  if (const std::size_t length = utf8Length(entry); length > 255) {
    return refuse(label, "Höchstens 255 Zeichen (eingegeben: " + std::to_string(length) + ").");
  }
  return entry;
}

BirthData birthDataOf(const ChartRequest& request) {
  return {request.name,      request.firstName,     request.birth,
          request.birthZone, request.birthLatitude, request.birthLongitude};
}

std::string latitudeText(double latitude) { return coordinateText(latitude, 'N', 'S'); }
std::string longitudeText(double longitude) { return coordinateText(longitude, 'O', 'W'); }
std::string latitudeEntryText(double latitude) { return coordinateText(latitude, 'N', 'S', true); }
std::string longitudeEntryText(double longitude) {
  return coordinateText(longitude, 'O', 'W', true);
}

namespace {

// Stores the value of a check, or the refusal of `field`.
template <typename T>
bool accept(const Checked<T>& checked, ChartField field, T& value,
            std::optional<ChartRefusal>& refusal) {
  if (refusal) return false;
  if (const Rejection* refused = rejection(checked)) {
    refusal = ChartRefusal{field, refused->message};
    return false;
  }
  value = std::get<T>(checked);
  return true;
}

// The UT moment of a date, a time and a zone; a refusal names the zone field.
std::optional<std::chrono::sys_seconds> universalMoment(const Date& date, const ClockTime& time,
                                                        const TimeZone& zone, ChartField field,
                                                        std::string_view label,
                                                        std::optional<ChartRefusal>& refusal) {
  if (refusal) return std::nullopt;
  const auto moment = zone.toUniversal(LocalTime{date, time});
  if (const Rejection* refused = rejection(moment)) {
    refusal = ChartRefusal{field, std::string(label) + ": " + refused->message};
    return std::nullopt;
  }
  return std::get<std::chrono::sys_seconds>(moment);
}

Checked<TimeZone> checkZone(std::string_view label, std::string_view text) {
  auto zone = TimeZone::parse(text);
  if (Rejection* refused = std::get_if<Rejection>(&zone)) {
    refused->message = std::string(label) + ": " + refused->message;
  }
  return zone;
}

}  // namespace

std::variant<ChartRequest, ChartRefusal> checkChartEntry(const ChartEntry& entry) {
  using F = ChartField;
  std::optional<ChartRefusal> refusal;
  ChartRequest request;
  Date birthDate, transitDate;
  ClockTime birthTime, transitTime;
  TimeZone birthZone = TimeZone::universal();
  TimeZone transitZone = TimeZone::universal();
  accept(checkTextField("Name", entry.name, true), F::name, request.name, refusal);
  accept(checkTextField("Vorname", entry.firstName, false), F::firstName, request.firstName,
         refusal);
  accept(checkDate("Geburtsdatum", entry.birthDate), F::birthDate, birthDate, refusal);
  accept(checkTime("Geburtszeit", entry.birthTime), F::birthTime, birthTime, refusal);
  accept(checkZone("Zeitzone der Geburt", entry.birthZone), F::birthZone, birthZone, refusal);
  accept(checkLatitude("Breite des Geburtsorts", entry.birthLatitude), F::birthLatitude,
         request.birthLatitude, refusal);
  accept(checkLongitude("Länge des Geburtsorts", entry.birthLongitude), F::birthLongitude,
         request.birthLongitude, refusal);
  accept(checkTextField("Ort", entry.place, false), F::place, request.place, refusal);
  accept(checkDate("Transitdatum", entry.transitDate), F::transitDate, transitDate, refusal);
  accept(checkTime("Transitzeit", entry.transitTime), F::transitTime, transitTime, refusal);
  accept(checkZone("Zeitzone des Transits", entry.transitZone), F::transitZone, transitZone,
         refusal);
  accept(checkLatitude("Breite des Transitorts", entry.transitLatitude), F::transitLatitude,
         request.transitLatitude, refusal);
  accept(checkLongitude("Länge des Transitorts", entry.transitLongitude), F::transitLongitude,
         request.transitLongitude, refusal);
  // The clock-change refusals come after the field checks, at the zone fields.
  const auto birth = universalMoment(birthDate, birthTime, birthZone, F::birthZone,
                                     "Zeitzone der Geburt", refusal);
  const auto transit = universalMoment(transitDate, transitTime, transitZone, F::transitZone,
                                       "Zeitzone des Transits", refusal);
  if (refusal) return *refusal;
  if (*transit < *birth) {
    return ChartRefusal{F::transitDate, "Transitdatum: Der Transitzeitpunkt liegt vor der Geburt."};
  }
  request.birth = *birth;
  request.birthZone = birthZone;
  request.transit = *transit;
  request.transitLocal = {transitDate, transitTime};
  return request;
}

}  // namespace kelvaro::chart
