#include "archive/person_entry.h"

#include <algorithm>
#include <variant>

#include "archive/zone_lookup.h"
#include "chart/chart_entry.h"
#include "chart/time_zone.h"
#include "core/entry_text.h"

namespace kelvaro::archive {
namespace {

constexpr std::string_view kKinds[] = {"", "m", "w", "f", "e", "l", "o"};

// Each line trimmed, trailing empty lines dropped, CR LF as LF.
std::string trimmedLines(const std::string& notes) {
  std::string result;
  std::size_t start = 0;
  while (start <= notes.size()) {
    std::size_t end = notes.find('\n', start);
    if (end == std::string::npos) end = notes.size();
    std::string line = notes.substr(start, end - start);
    if (line.ends_with('\r')) line.pop_back();
    result += (start == 0 ? "" : "\n") + std::string(trimmed(line));
    start = end + 1;
  }
  while (result.ends_with('\n')) result.pop_back();
  return result;
}

// Stores a checked value or keeps the first refusal.
template <typename T, typename Store>
void take(const Checked<T>& checked, std::optional<Rejection>& refusal, Store store) {
  if (refusal) return;
  if (const Rejection* refused = rejection(checked)) {
    refusal = *refused;
  } else {
    store(std::get<T>(checked));
  }
}

std::optional<BirthTime> birthTimeOf(const std::string& text, std::optional<Rejection>& refusal) {
  if (text.empty()) return std::nullopt;
  std::optional<BirthTime> time;
  take(chart::checkTime("Geburtszeit", text), refusal, [&](const chart::ClockTime& clock) {
    time = BirthTime{clock.hour, clock.minute, clock.second, text.find(':') != text.rfind(':')};
  });
  return time;
}

void checkCoordinates(const PersonEntry& entry, Person& person, std::optional<Rejection>& refusal) {
  if (!trimmed(entry.latitude).empty()) {
    take(chart::checkLatitude("Breite", entry.latitude), refusal,
         [&](double value) { person.latitude = roundedToArcSecond(value); });
  }
  if (!trimmed(entry.longitude).empty()) {
    take(chart::checkLongitude("Länge", entry.longitude), refusal,
         [&](double value) { person.longitude = roundedToArcSecond(value); });
  }
}

}  // namespace

Checked<Person> checkPersonEntry(const PersonEntry& entry) {
  Person person;
  std::optional<Rejection> refusal;
  person.name = trimmed(entry.name);
  person.firstName = trimmed(entry.firstName);
  person.kind = trimmed(entry.kind);
  for (char& c : person.kind) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  if (std::find(std::begin(kKinds), std::end(kKinds), person.kind) == std::end(kKinds)) {
    return Rejection{"Art: \"" + entry.kind +
                     "\" ist keine Art. Bitte m, w (oder f), e (Ereignis), l (Land) oder o "
                     "(Organisation) angeben."};
  }
  take(chart::checkDate("Geburtsdatum", entry.birthDate), refusal,
       [&](const chart::Date& date) { person.birthDate = date; });
  person.birthTime = birthTimeOf(std::string(trimmed(entry.birthTime)), refusal);
  person.zone = trimmed(entry.zone);
  if (!person.zone.empty()) {
    auto zone = zoneNamed(person.zone);
    if (Rejection* refused = std::get_if<Rejection>(&zone))
      refused->message.insert(0, "Zeitzone: ");
    take(zone, refusal, [&](const chart::TimeZone& parsed) { person.zone = parsed.name(); });
  }
  checkCoordinates(entry, person, refusal);
  if (refusal) return *refusal;
  person.place = trimmed(entry.place);
  person.country = trimmed(entry.country);
  person.source = trimmed(entry.source);
  person.via = trimmed(entry.via);
  person.notes = trimmedLines(entry.notes);
  if (person.birthTime && !person.zone.empty()) {
    const auto zone = std::get<chart::TimeZone>(zoneNamed(person.zone));
    const BirthTime& time = *person.birthTime;
    const auto moment = zone.toUniversal({person.birthDate, {time.hour, time.minute, time.second}});
    if (const Rejection* refused = rejection(moment))
      return Rejection{"Zeitzone: " + refused->message};
    person.birthMoment = std::get<std::chrono::sys_seconds>(moment);
  }
  if (auto fault = personFault(person)) return Rejection{*fault};
  return person;
}

}  // namespace kelvaro::archive
