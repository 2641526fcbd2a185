#include "atlas/geonames_places.h"

#include <array>
#include <charconv>

namespace kelvaro::atlas {
namespace {

constexpr std::size_t kFields = 19;
enum Field : std::size_t {
  kId = 0,
  kName = 1,
  kAsciiName = 2,
  kAlternates = 3,
  kLatitude = 4,
  kLongitude = 5,
  kCountry = 8,
  kAdmin1 = 10,
  kPopulation = 14,
  kZone = 17,
};

template <typename Number>
bool readNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

std::vector<std::string> commaParted(std::string_view text) {
  std::vector<std::string> parts;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    if (comma != 0) parts.emplace_back(text.substr(0, comma));
    text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
  }
  return parts;
}

}  // namespace

std::optional<GeoNamesPlace> geonamesPlace(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  std::array<std::string_view, kFields> fields;
  for (std::size_t i = 0; i < kFields; ++i) {
    const std::size_t tab = line.find('\t');
    fields[i] = line.substr(0, tab);
    if (tab == std::string_view::npos) {
      if (i + 1 != kFields) return std::nullopt;
      line = {};
    } else {
      if (i + 1 == kFields) return std::nullopt;
      line.remove_prefix(tab + 1);
    }
  }
  GeoNamesPlace place;
  if (!readNumber(fields[kId], place.id) || !readNumber(fields[kLatitude], place.latitude) ||
      !readNumber(fields[kLongitude], place.longitude) || fields[kName].empty() ||
      fields[kCountry].empty() || fields[kZone].empty() ||
      (!fields[kPopulation].empty() && !readNumber(fields[kPopulation], place.population)) ||
      place.latitude < -90 || place.latitude > 90 || place.longitude < -180 ||
      place.longitude > 180) {
    return std::nullopt;
  }
  place.name = fields[kName];
  place.asciiName = fields[kAsciiName];
  place.alternates = commaParted(fields[kAlternates]);
  place.countryCode = fields[kCountry];
  place.admin1 = fields[kAdmin1];
  place.zone = fields[kZone];
  return place;
}

GeoNamesTable readGeoNamesTable(std::istream& in) {
  GeoNamesTable table;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    auto place = geonamesPlace(line);
    if (!place) {
      table.fault = "Zeile " + std::to_string(number) + " der GeoNames-Tabelle ist fehlerhaft.";
      return table;
    }
    table.places.push_back(std::move(*place));
  }
  if (table.places.empty()) table.fault = "Die GeoNames-Tabelle enthält keinen Ort.";
  return table;
}

}  // namespace kelvaro::atlas
