#include "archive/aaf_import.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>

#include "archive/aaf_reader.h"
#include "archive/person_search.h"
#include "core/held_files.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

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
std::optional<chart::AtlasPlace> onlyPlace(const Person& person, const PlaceFinder& findPlaces) {
  if (person.place.empty()) return std::nullopt;
  const std::string wanted = foldedText(person.place);
  std::optional<chart::AtlasPlace> found;
  for (const chart::AtlasPlace& place : findPlaces(person.place)) {
    if (foldedText(place.name) != wanted ||
        (!person.country.empty() && !inCountry(place, person.country))) {
      continue;
    }
    if (found) return std::nullopt;
    found = place;
  }
  return found;
}

// Coordinates and zone of a record without #B93, from the atlas; the same
// place and country are looked up once.
class AtlasLookup {
 public:
  explicit AtlasLookup(const PlaceFinder& findPlaces) : findPlaces_(findPlaces) {}

  void complete(Person& person) {
    const auto key = std::make_pair(person.place, person.country);
    auto cached = found_.find(key);
    if (cached == found_.end()) cached = found_.emplace(key, onlyPlace(person, findPlaces_)).first;
    if (!cached->second) return;
    const chart::AtlasPlace& place = *cached->second;
    person.latitude = roundedToArcSecond(place.latitude);
    person.longitude = roundedToArcSecond(place.longitude);
    person.zone = place.zone;
    person.birthMoment = momentOfBirth(person);
  }

 private:
  const PlaceFinder& findPlaces_;
  std::map<std::pair<std::string, std::string>, std::optional<chart::AtlasPlace>> found_;
};

}  // namespace

bool inCountry(const chart::AtlasPlace& place, std::string_view country) {
  const std::string code = upper(country);
  for (const auto& [vehicle, iso] : kVehicleCodes) {
    if (code == vehicle) return place.countryCode == iso;
  }
  return code == upper(place.countryCode) || foldedText(country) == foldedText(place.country);
}

std::vector<chart::AtlasPlace> atlasPlaces(std::string_view name) {
  return chart::findPlaces(name, 50);
}

std::string reportText(const ImportReport& report) {
  std::string text = std::to_string(report.added) + " übernommen, " +
                     std::to_string(report.present) + " schon vorhanden, " +
                     std::to_string(report.faults.size()) + " fehlerhaft";
  for (const std::string& fault : report.faults) text += "\n" + fault;
  return text;
}

Checked<ImportReport> importAaf(Archive& archive, std::string_view bytes,
                                const PlaceFinder& findPlaces) {
  ImportReport report;
  std::vector<Person> persons;
  AtlasLookup atlas(findPlaces);
  std::vector<AafRecord> records = readAaf(bytes);
  if (records.empty()) {
    return Rejection{"Die Datei enthält keinen AAF-Datensatz (keine Zeile \"#A93:\")."};
  }
  for (AafRecord& record : records) {
    if (const Rejection* refused = rejection(record.person)) {
      report.faults.push_back("Zeile " + std::to_string(record.line) + ": " + refused->message);
      continue;
    }
    Person& person = std::get<Person>(record.person);
    if (record.withoutCoordinates) atlas.complete(person);
    persons.push_back(std::move(person));
  }
  const auto stored = archive.storeAll(persons);
  if (const Rejection* refused = rejection(stored)) return *refused;
  report.added = std::get<StoredAll>(stored).added;
  report.present = std::get<StoredAll>(stored).present;
  return report;
}

Checked<ImportReport> importAafFile(Archive& archive, const std::filesystem::path& file,
                                    const PlaceFinder& findPlaces) {
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    return Rejection{"Die AAF-Datei " + utf8FromPath(file) + " ist ein Ordner."};
  }
  // Reading it would drop the locks of the archive (see held_files.h).
  if (isHeldFile(file)) {
    return Rejection{"Die Datei " + utf8FromPath(file) +
                     " gehört zum Personenarchiv, das gerade geöffnet ist, und ist keine "
                     "AAF-Datei. Sie wird nicht gelesen."};
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in && !in.eof()) {
    return Rejection{"Die AAF-Datei " + utf8FromPath(file) +
                     " lässt sich nicht lesen: " + systemErrorText(errno ? errno : EIO) + "."};
  }
  return importAaf(archive, bytes, findPlaces);
}

}  // namespace kelvaro::archive
