#include "archive/person.h"

#include <cmath>
#include <cstdio>
#include <string_view>
#include <variant>

#include "archive/zone_lookup.h"
#include "chart/time_zone.h"
#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

constexpr std::size_t kFieldLimit = 255;
constexpr std::size_t kNotesLimit = 10000;

std::string twoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// The first character AAF or the archive cannot take in a field, as a
// message; `lines` allows line breaks, `commas` commas.
std::optional<std::string> textFault(std::string_view label, std::string_view text,
                                     std::size_t limit, bool lines, bool commas) {
  for (const char32_t c : utf8ToCodePoints(text)) {
    if (c == U'\n' && lines) continue;
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0xFFFD) {
      return std::string(label) + ": Steuerzeichen und ungültige Zeichen sind nicht erlaubt.";
    }
    if (c == U',' && !commas) {
      return std::string(label) +
             ": Das Komma trennt im Austauschformat AAF die Felder und ist hier nicht erlaubt.";
    }
  }
  if (text == "*") {
    return std::string(label) + ": Ein Stern allein bedeutet im Austauschformat AAF „unbekannt“.";
  }
  if (const std::size_t length = utf8Length(text); length > limit) {
    return std::string(label) + ": Höchstens " + std::to_string(limit) +
           " Zeichen (eingegeben: " + std::to_string(length) + ").";
  }
  return std::nullopt;
}

std::optional<std::string> textsFault(const Person& person) {
  struct Field {
    std::string_view label;
    const std::string& text;
    std::size_t limit;
    bool lines;
    bool commas;
  };
  const Field fields[] = {
      {"Name", person.name, kFieldLimit, false, false},
      {"Vorname", person.firstName, kFieldLimit, false, false},
      {"Art", person.kind, kFieldLimit, false, false},
      {"Ort", person.place, kFieldLimit, false, false},
      {"Land", person.country, kFieldLimit, false, false},
      {"Zeitzonen-Kürzel", person.zoneAbbreviation, kFieldLimit, false, true},
      {"Quelle", person.source, kFieldLimit, false, true},
      {"Über", person.via, kFieldLimit, false, true},
      {"Notizen", person.notes, kNotesLimit, true, true},
  };
  for (const Field& field : fields) {
    if (auto fault = textFault(field.label, field.text, field.limit, field.lines, field.commas)) {
      return fault;
    }
  }
  return std::nullopt;
}

std::optional<std::string> birthFault(const Person& person) {
  const auto date = chart::checkDate("Geburtsdatum", birthDateText(person));
  if (const Rejection* refused = rejection(date)) return refused->message;
  if (const auto& time = person.birthTime;
      time && (time->hour < 0 || time->hour > 23 || time->minute < 0 || time->minute > 59 ||
               time->second < 0 || time->second > 59 || (!time->withSeconds && time->second))) {
    return "Geburtszeit: keine gültige Uhrzeit.";
  }
  if (!person.zone.empty()) {
    const auto zone = zoneNamed(person.zone);
    if (const Rejection* refused = rejection(zone)) return "Zeitzone: " + refused->message;
  }
  return std::nullopt;
}

std::optional<std::string> coordinateFault(const Person& person) {
  if (person.latitude && !chart::latitudeInRange(*person.latitude)) {
    return "Breite: Sie liegt außerhalb von " + chart::coordinateRangeText(true) + ".";
  }
  if (person.longitude && !chart::longitudeInRange(*person.longitude)) {
    return "Länge: Sie liegt außerhalb von " + chart::coordinateRangeText(false) + ".";
  }
  return std::nullopt;
}

}  // namespace

std::string birthDateText(const Person& person) {
  const chart::Date& date = person.birthDate;
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
  return text;
}

std::string birthTimeText(const Person& person) {
  if (!person.birthTime) return {};
  const BirthTime& time = *person.birthTime;
  std::string text = twoDigits(time.hour) + ":" + twoDigits(time.minute);
  if (time.withSeconds) text += ":" + twoDigits(time.second);
  return text;
}

bool placeUnchecked(const Person& person) {
  return !person.latitude || !person.longitude || person.zone.empty();
}

std::string displayName(const Person& person) {
  if (person.firstName.empty()) return person.name;
  if (person.name.empty()) return person.firstName;
  return person.name + ", " + person.firstName;
}

double degreesOfArcSeconds(std::int64_t arcSeconds) {
  return static_cast<double>(arcSeconds) / 3600;
}

double roundedToArcSecond(double degrees) {
  return degreesOfArcSeconds(std::llround(degrees * 3600));
}

std::optional<std::chrono::sys_seconds> momentOfBirth(const Person& person) {
  if (!person.birthTime || person.zone.empty()) return std::nullopt;
  const auto zone = zoneNamed(person.zone);
  if (rejection(zone)) return std::nullopt;
  const BirthTime& time = *person.birthTime;
  const auto moment = std::get<chart::TimeZone>(zone).toUniversal(
      {person.birthDate, {time.hour, time.minute, time.second}});
  if (rejection(moment)) return std::nullopt;
  return std::get<std::chrono::sys_seconds>(moment);
}

std::optional<std::string> personFault(const Person& person) {
  if (person.name.empty() && person.firstName.empty()) {
    return "Name: Bitte einen Namen oder einen Vornamen angeben.";
  }
  if (auto fault = textsFault(person)) return fault;
  if (auto fault = birthFault(person)) return fault;
  return coordinateFault(person);
}

}  // namespace kelvaro::archive
