#include "chart/atlas_files.h"

#include <array>
#include <charconv>
#include <fstream>
#include <string>
#include <string_view>

namespace kelvaro::chart {
namespace {

constexpr std::string_view kHeader = "# kelvaro places 1";
constexpr std::size_t kFields = 14;
using Fields = std::array<std::string_view, kFields>;

template <typename Number>
void writeNumber(std::ostream& out, Number value) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  out << '\t' << std::string_view(text.data(), static_cast<std::size_t>(end - text.data()));
}

template <typename Number>
bool readNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

void writeForms(std::ostream& out, const FoldedName& name) {
  out << '\t' << name.words << '\t' << name.ascii << '\t' << name.germanAscii;
}

// Three fields as written by writeForms; nullopt where the words are empty.
std::optional<FoldedName> readForms(const std::string_view* fields) {
  if (fields[0].empty()) return std::nullopt;
  return FoldedName{std::string(fields[0]), std::string(fields[1]), std::string(fields[2])};
}

// The fields of a line; false unless it has exactly kFields.
bool split(std::string_view line, Fields& fields) {
  for (std::size_t i = 0; i < kFields; ++i) {
    const std::size_t tab = line.find('\t');
    fields[i] = line.substr(0, tab);
    if (tab == std::string_view::npos) return i + 1 == kFields;
    line.remove_prefix(tab + 1);
  }
  return false;
}

bool readPlace(std::string_view line, std::size_t source, AtlasFiles& atlas) {
  Fields fields;
  if (!split(line, fields)) return false;
  AtlasPlace place{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                   std::string(fields[3]), std::string(fields[4])};
  SearchablePlace names;
  names.source = source;
  if (!readNumber(fields[5], place.latitude) || !readNumber(fields[6], place.longitude) ||
      !readNumber(fields[7], place.population)) {
    return false;
  }
  names.population = place.population;
  const auto english = readForms(&fields[8]);
  if (!english) return false;
  names.english = *english;
  names.german = readForms(&fields[11]).value_or(*english);
  atlas.places.push_back(std::move(place));
  atlas.names.push_back(std::move(names));
  return true;
}

}  // namespace

void writePlacesHeader(std::ostream& out) { out << kHeader << '\n'; }

void writePlace(std::ostream& out, const AtlasPlace& place, const SearchablePlace& names) {
  out << place.name << '\t' << place.state << '\t' << place.country << '\t' << place.countryCode
      << '\t' << place.zone;
  writeNumber(out, place.latitude);
  writeNumber(out, place.longitude);
  writeNumber(out, place.population);
  writeForms(out, names.english);
  if (names.german.words == names.english.words) {
    out << "\t\t\t";
  } else {
    writeForms(out, names.german);
  }
  out << '\n';
}

bool readPlaces(std::istream& in, AtlasFiles& atlas) {
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return false;
  while (std::getline(in, line)) {
    if (!readPlace(line, atlas.places.size(), atlas)) return false;
  }
  return true;
}

std::optional<AtlasFiles> readAtlasFiles(const std::filesystem::path& folder) {
  std::ifstream places(folder / kPlacesFile, std::ios::binary);
  std::ifstream folding(folder / kFoldingFile, std::ios::binary);
  AtlasFiles atlas;
  if (!places || !folding || !readPlaces(places, atlas) || atlas.places.empty()) {
    return std::nullopt;
  }
  auto table = FoldTable::read(folding);
  if (!table || table->empty()) return std::nullopt;
  atlas.folding = std::move(*table);
  return atlas;
}

}  // namespace kelvaro::chart
