#include "atlas/atlas_entries.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace kelvaro::atlas {
namespace {

bool allLetters(std::string_view code) {
  return !code.empty() && std::all_of(code.begin(), code.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

std::string countryName(const std::string& code, const LibraryNames& library, const IsoNames& iso) {
  if (const std::string* name = iso.country(code)) return *name;
  if (const auto found = library.countries.find(code); found != library.countries.end()) {
    return found->second;
  }
  return code;
}

// The region's German name where one is at hand: the library's (GeoNames'
// own region codes), else ISO 3166-2's where GeoNames uses the ISO code
// (letters: "CH-VS", "US-CA"; digits mean other things in either list).
std::string regionName(const GeoNamesPlace& place, const LibraryNames& library,
                       const IsoNames& iso) {
  if (place.admin1.empty()) return {};
  const auto found = library.regions.find(place.countryCode + "." + place.admin1);
  if (found != library.regions.end()) return found->second;
  if (allLetters(place.admin1)) {
    if (const std::string* name = iso.region(place.countryCode + "-" + place.admin1)) return *name;
  }
  return {};
}

// Every name's folded forms, each once, the shown name's first.
std::vector<std::string> searchableNames(const GeoNamesPlace& place, const std::string& shown,
                                         const NameFolding& fold) {
  std::vector<std::string> names;
  std::set<std::string, std::less<>> seen;
  const auto add = [&](std::string_view name) {
    for (std::string& form : fold(name)) {
      if (form.empty() || form.find_first_of("|\t\r\n") != std::string::npos) continue;
      if (seen.insert(form).second) names.push_back(std::move(form));
    }
  };
  add(shown);
  add(place.name);
  add(place.asciiName);
  for (const std::string& alternate : place.alternates) add(alternate);
  return names;
}

// The German names of the library's places by GeoNames' place: by its
// number, else (a place GeoNames has renumbered since) by country, name and
// coordinates within a tenth of a degree.
class GermanPlaceNames {
 public:
  GermanPlaceNames(const std::vector<GeoNamesPlace>& places, const LibraryNames& library) {
    std::set<std::uint32_t> ids;
    for (const GeoNamesPlace& place : places) ids.insert(place.id);
    for (const LibraryPlace& place : library.places) {
      if (place.germanName == place.englishName) continue;
      if (ids.contains(place.id)) {
        byId_.emplace(place.id, &place);
      } else {
        byName_[{place.countryCode, place.englishName}].push_back(&place);
      }
    }
  }

  const std::string* of(const GeoNamesPlace& place) const {
    if (const auto found = byId_.find(place.id); found != byId_.end()) {
      return &found->second->germanName;
    }
    for (const std::string* name : {&place.name, &place.asciiName}) {
      const auto found = byName_.find({place.countryCode, *name});
      if (found == byName_.end()) continue;
      for (const LibraryPlace* candidate : found->second) {
        if (std::abs(candidate->latitude - place.latitude) <= kNear &&
            std::abs(candidate->longitude - place.longitude) <= kNear) {
          return &candidate->germanName;
        }
      }
    }
    return nullptr;
  }

 private:
  static constexpr double kNear = 0.1;  // degrees
  std::map<std::uint32_t, const LibraryPlace*> byId_;
  std::map<std::pair<std::string, std::string>, std::vector<const LibraryPlace*>> byName_;
};

bool fitsALine(std::string_view text) { return text.find_first_of("\t\r\n") == std::string::npos; }

// Clears the region of every place whose name no other place of its
// country bears with another region: there it tells nothing apart.
void keepTellingRegions(std::vector<AtlasEntry>& entries) {
  std::map<std::pair<std::string, std::string>, std::set<std::string>> regions;
  for (const AtlasEntry& entry : entries) {
    regions[{entry.place.countryCode, entry.place.name}].insert(entry.place.state);
  }
  for (AtlasEntry& entry : entries) {
    if (regions[{entry.place.countryCode, entry.place.name}].size() < 2) entry.place.state.clear();
  }
}

}  // namespace

std::vector<AtlasEntry> atlasEntries(const std::vector<GeoNamesPlace>& places,
                                     const LibraryNames& library, const IsoNames& iso,
                                     const NameFolding& fold) {
  const GermanPlaceNames germanNames(places, library);
  std::map<std::string, std::string> countries;
  std::vector<AtlasEntry> entries;
  entries.reserve(places.size());
  for (const GeoNamesPlace& place : places) {
    AtlasEntry entry;
    const std::string* german = germanNames.of(place);
    entry.place.name = german ? *german : place.name;
    auto country = countries.find(place.countryCode);
    if (country == countries.end()) {
      country =
          countries.emplace(place.countryCode, countryName(place.countryCode, library, iso)).first;
    }
    entry.place.state = regionName(place, library, iso);
    entry.place.country = country->second;
    entry.place.countryCode = place.countryCode;
    entry.place.zone = place.zone;
    entry.place.latitude = place.latitude;
    entry.place.longitude = place.longitude;
    entry.place.population = place.population;
    entry.place.geonamesId = place.id;
    entry.names = searchableNames(place, entry.place.name, fold);
    const AtlasPlace& made = entry.place;
    if (entry.names.empty() || !fitsALine(made.name) || !fitsALine(made.state) ||
        !fitsALine(made.country) || !fitsALine(made.zone) || !fitsALine(made.countryCode)) {
      continue;  // nothing to find it by, or a name no line can hold
    }
    entries.push_back(std::move(entry));
  }
  keepTellingRegions(entries);
  std::stable_sort(entries.begin(), entries.end(), [](const AtlasEntry& a, const AtlasEntry& b) {
    if (a.place.population != b.place.population) return a.place.population > b.place.population;
    return a.place.geonamesId < b.place.geonamesId;
  });
  return entries;
}

}  // namespace kelvaro::atlas
