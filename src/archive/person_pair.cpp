#include "archive/person_pair.h"

#include "archive/person_birth.h"
#include "archive/person_entry.h"
#include "core/text_encoding.h"

namespace kelvaro::archive {

Checked<PairEntries> pairEntries(const Person& first, const Person& second) {
  if (first.id == second.id) {
    return Rejection{"Eine Person lässt sich nicht mit sich selbst vergleichen (" +
                     displayName(first) + ", Nummer " + std::to_string(first.id) +
                     "). Bitte zwei verschiedene Personen wählen."};
  }
  auto a = chartEntryOf(first);
  if (const Rejection* refused = rejection(a)) return *refused;
  auto b = chartEntryOf(second);
  if (const Rejection* refused = rejection(b)) return *refused;
  PairEntries entries{
      std::get<chart::ChartEntry>(std::move(a)), std::get<chart::ChartEntry>(std::move(b)), {}};
  for (const Person* person : {&first, &second}) {
    if (birthTimeUnknown(*person)) entries.notes.push_back(noonNote(*person, "das Horoskop"));
  }
  return entries;
}

Checked<Person> davisonPerson(const chart::ChartEntry& davison, const Person& first,
                              const Person& second) {
  PersonEntry person;
  person.name = davison.name;
  person.firstName = davison.firstName;
  person.birthDate = davison.birthDate;
  person.birthTime = davison.birthTime;
  person.zone = davison.birthZone;
  person.place = utf8Left("Mitte " + first.place + " – " + second.place, 255);
  person.latitude = davison.birthLatitude;
  person.longitude = davison.birthLongitude;
  return checkPersonEntry(person);
}

}  // namespace kelvaro::archive
