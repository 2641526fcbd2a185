#include "archive/aaf_import.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <utility>

#include "archive/aaf_file.h"
#include "archive/aaf_reader.h"
#include "archive/person_search.h"
#include "archive/zone_lookup.h"
#include "core/entry_text.h"
#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

constexpr std::size_t kListedFaults = 100;

// International vehicle codes of the countries (as AAF writes them) whose
// ISO codes differ.
constexpr std::pair<std::string_view, std::string_view> kVehicleCodes[] = {
    {"A", "AT"},   {"AND", "AD"}, {"AUS", "AU"}, {"B", "BE"},   {"BIH", "BA"}, {"CDN", "CA"},
    {"D", "DE"},   {"DZ", "DZ"},  {"E", "ES"},   {"EST", "EE"}, {"F", "FR"},   {"FIN", "FI"},
    {"FL", "LI"},  {"H", "HU"},   {"I", "IT"},   {"IND", "IN"}, {"IRL", "IE"}, {"J", "JP"},
    {"L", "LU"},   {"M", "MT"},   {"MEX", "MX"}, {"MNE", "ME"}, {"N", "NO"},   {"P", "PT"},
    {"RA", "AR"},  {"RCH", "CL"}, {"RSM", "SM"}, {"RUS", "RU"}, {"S", "SE"},   {"SLO", "SI"},
    {"SRB", "RS"}, {"USA", "US"}, {"V", "VA"},   {"ZA", "ZA"},
};

std::string upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return result;
}

// The one atlas place of the record's place and country, if there is exactly one.
std::optional<atlas::AtlasPlace> onlyPlace(const Person& person, const PlaceFinder& findPlaces) {
  if (person.place.empty()) return std::nullopt;
  const std::string wanted = foldedText(person.place);
  std::optional<atlas::AtlasPlace> found;
  for (const atlas::AtlasPlace& place : findPlaces(person.place)) {
    if (foldedText(place.name) != wanted ||
        (!person.country.empty() && !inCountry(place, person.country))) {
      continue;
    }
    if (found) return std::nullopt;
    found = place;
  }
  return found;
}

// How far a record's coordinates may lie from the atlas place of its name
// for that place's zone to be its zone, in degrees.
constexpr double kSamePlace = 0.5;

std::chrono::seconds offsetOfZone(const std::string& zone, std::chrono::sys_seconds moment) {
  return std::get<chart::TimeZone>(zoneNamed(zone)).offsetAt(moment);
}

// What the atlas adds to a record, the place of the same name and country
// looked up once: coordinates and zone where #B93 is missing, and the
// place's zone name for a fixed offset that the zone gives at the birth (so
// the person's timeline and transits follow its summer time).
class AtlasLookup {
 public:
  explicit AtlasLookup(const PlaceFinder& findPlaces) : findPlaces_(findPlaces) {}

  void complete(Person& person) {
    const atlas::AtlasPlace* place = placeOf(person);
    if (!place) return;
    person.latitude = roundedToArcSecond(place->latitude);
    person.longitude = roundedToArcSecond(place->longitude);
    person.zone = place->zone;
    person.birthMoment = momentOfBirth(person);
  }

  void nameZone(Person& person) {
    if (!isFixedOffset(person.zone) || !person.birthMoment || !person.latitude ||
        !person.longitude) {
      return;
    }
    const atlas::AtlasPlace* place = placeOf(person);
    if (!place || std::abs(place->latitude - *person.latitude) > kSamePlace ||
        std::abs(place->longitude - *person.longitude) > kSamePlace ||
        rejection(zoneNamed(place->zone))) {
      return;
    }
    if (offsetOfZone(place->zone, *person.birthMoment) ==
        offsetOfZone(person.zone, *person.birthMoment)) {
      person.zone = place->zone;
    }
  }

 private:
  const atlas::AtlasPlace* placeOf(const Person& person) {
    const auto key = std::make_pair(person.place, person.country);
    auto cached = found_.find(key);
    if (cached == found_.end()) cached = found_.emplace(key, onlyPlace(person, findPlaces_)).first;
    return cached->second ? &*cached->second : nullptr;
  }

  const PlaceFinder& findPlaces_;
  std::map<std::pair<std::string, std::string>, std::optional<atlas::AtlasPlace>> found_;
};

}  // namespace

bool inCountry(const atlas::AtlasPlace& place, std::string_view country) {
  const std::string code = upper(country);
  for (const auto& [vehicle, iso] : kVehicleCodes) {
    if (code == vehicle) return place.countryCode == iso;
  }
  return code == upper(place.countryCode) || foldedText(country) == foldedText(place.country);
}

std::vector<atlas::AtlasPlace> atlasPlacesIn(std::string_view name, std::string_view country,
                                             std::size_t limit) {
  // Enough of the name's places that the country's are among them.
  constexpr std::size_t kSearched = 500;
  const std::string_view wanted = trimmedOfAnyBlank(country);
  if (wanted.empty()) return atlas::findPlaces(name, limit);
  std::vector<atlas::AtlasPlace> found = atlas::findPlaces(name, kSearched);
  std::erase_if(found,
                [wanted](const atlas::AtlasPlace& place) { return !inCountry(place, wanted); });
  if (found.size() > limit) found.resize(limit);
  return found;
}

std::string aafCountryCode(const atlas::AtlasPlace& place) {
  for (const auto& [vehicle, iso] : kVehicleCodes) {
    if (place.countryCode == iso) return std::string(vehicle);
  }
  return place.countryCode;
}

std::vector<atlas::AtlasPlace> atlasPlaces(std::string_view name) {
  return atlas::findPlaces(name, 50);
}

std::string reportText(const ImportReport& report) {
  std::string text = std::to_string(report.added) + " übernommen, " +
                     std::to_string(report.present) + " schon vorhanden, " +
                     std::to_string(report.faulty) + " fehlerhaft";
  for (const std::string& fault : report.faults) text += "\n" + fault;
  if (const std::size_t more = static_cast<std::size_t>(report.faulty) - report.faults.size()) {
    text += "\n… und " + std::to_string(more) + " weitere fehlerhafte Datensätze";
  }
  if (report.encodingNote) text += "\n" + *report.encodingNote;
  return text;
}

Checked<ImportReport> importAaf(Archive& archive, std::string_view bytes,
                                const PlaceFinder& findPlaces) {
  ImportReport report;
  AtlasLookup atlas(findPlaces);
  AafReader reader(bytes);
  std::optional<AafRecord> record = reader.next();
  if (!record) {
    return Rejection{"Die Datei enthält keinen AAF-Datensatz (keine Zeile \"#A93:\")."};
  }
  // The faultless persons, one by one; the faulty records into the report.
  const auto nextPerson = [&]() -> std::optional<Person> {
    for (; record; record = reader.next()) {
      if (const Rejection* refused = rejection(record->person)) {
        if (report.faults.size() < kListedFaults) {
          report.faults.push_back("Zeile " + std::to_string(record->line) + ": " +
                                  refused->message);
        }
        ++report.faulty;
        continue;
      }
      Person person = std::get<Person>(std::move(record->person));
      if (record->withoutCoordinates) {
        atlas.complete(person);
      } else {
        atlas.nameZone(person);
      }
      record = reader.next();
      return person;
    }
    return std::nullopt;
  };
  const auto stored = archive.storeEach(nextPerson);
  if (const Rejection* refused = rejection(stored)) return *refused;
  report.added = std::get<StoredAll>(stored).added;
  report.present = std::get<StoredAll>(stored).present;
  report.encodingNote = mixedEncodingNote(reader.encoding());
  return report;
}

Checked<ImportReport> importAafFile(Archive& archive, const std::filesystem::path& file,
                                    const PlaceFinder& findPlaces) {
  const auto bytes = readAafFile(file);
  if (const Rejection* refused = rejection(bytes)) return *refused;
  return importAaf(archive, std::get<std::string>(bytes), findPlaces);
}

}  // namespace kelvaro::archive
