#include "archive/person_birth.h"

#include "archive/zone_lookup.h"

namespace kelvaro::archive {

chart::ChartEntry birthEntry(const Person& person) {
  chart::ChartEntry entry;
  entry.name = person.name;
  entry.firstName = person.firstName;
  entry.birthDate = birthDateText(person);
  entry.birthTime = person.birthTime ? birthTimeText(person) : "12:00";
  entry.birthZone = person.zone;
  if (person.latitude) entry.birthLatitude = chart::latitudeEntryText(*person.latitude);
  if (person.longitude) entry.birthLongitude = chart::longitudeEntryText(*person.longitude);
  return entry;
}

namespace {

Rejection placeMissing(const Person& person) {
  return {"Bei " + displayName(person) +
          " fehlen Breite, Länge oder Zeitzone des Geburtsorts (Ort prüfen)."};
}

}  // namespace

Checked<chart::ChartEntry> chartEntryOf(const Person& person) {
  if (placeUnchecked(person)) return placeMissing(person);
  return birthEntry(person);
}

Checked<chart::BirthData> birthDataOf(const Person& person) {
  if (placeUnchecked(person)) return placeMissing(person);
  auto zone = zoneNamed(person.zone);
  if (const Rejection* refused = rejection(zone)) return *refused;
  const BirthTime time = person.birthTime.value_or(BirthTime{12, 0, 0, false});
  const auto moment = std::get<chart::TimeZone>(zone).toUniversal(
      {person.birthDate, {time.hour, time.minute, time.second}});
  if (const Rejection* refused = rejection(moment)) {
    return Rejection{displayName(person) + ": " + refused->message};
  }
  return chart::BirthData{person.name,
                          person.firstName,
                          std::get<std::chrono::sys_seconds>(moment),
                          std::get<chart::TimeZone>(std::move(zone)),
                          *person.latitude,
                          *person.longitude};
}

std::string noonNote(const Person& person, std::string_view what) {
  return "Hinweis: Die Geburtszeit von " + displayName(person) + " ist unbekannt; " +
         std::string(what) + " ist für 12:00 Uhr Ortszeit berechnet.";
}

}  // namespace kelvaro::archive
