#include "chart/atlas_export.h"

#include <glib.h>

#include <fstream>

#include "chart/atlas_files.h"
#include "chart/atlas_source.h"
#include "core/text_encoding.h"

namespace kelvaro::chart {
namespace {

constexpr gunichar kLastCodePoint = 0x10FFFF;

bool isWordCharacter(gunichar character) {
  return g_unichar_isalnum(character) || g_unichar_ismark(character);
}

// Whether a name's fields can stand in a line of tab-parted fields.
bool fitsALine(const AtlasPlace& place) {
  for (const std::string* field :
       {&place.name, &place.state, &place.country, &place.countryCode, &place.zone}) {
    if (field->find_first_of("\t\r\n") != std::string::npos) return false;
  }
  return true;
}

}  // namespace

FoldTable unicodeFoldTable() {
  FoldTable table;
  for (gunichar character = 1; character <= kLastCodePoint; ++character) {
    if (!g_unichar_validate(character) || !isWordCharacter(character)) continue;
    std::string text;
    appendUtf8(text, character);
    // A word character alone is one word: its folded form between blanks.
    const std::string folded = atlas_source::foldedWords(text);
    table.addWordCharacter(character, std::string_view(folded).substr(1, folded.size() - 2));
  }
  return table;
}

std::optional<std::string> exportAtlas(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::ofstream places(folder / kPlacesFile, std::ios::binary | std::ios::trunc);
  std::ofstream folding(folder / kFoldingFile, std::ios::binary | std::ios::trunc);
  if (!places || !folding) return "Kann nicht in " + utf8FromPath(folder) + " schreiben.";
  writePlacesHeader(places);
  for (const SearchablePlace& names : atlas_source::names()) {
    const AtlasPlace place = atlas_source::place(names.source);
    if (!fitsALine(place))
      return "Der Ort " + place.name + " enthält einen Tabulator oder Zeilenumbruch.";
    writePlace(places, place, names);
  }
  unicodeFoldTable().write(folding);
  places.close();
  folding.close();
  if (!places || !folding) return "Kann nicht in " + utf8FromPath(folder) + " schreiben.";
  const auto written = readAtlasFiles(folder);
  if (!written || written->places.size() != atlas_source::names().size()) {
    return "Die geschriebenen Dateien in " + utf8FromPath(folder) + " sind nicht lesbar.";
  }
  return std::nullopt;
}

}  // namespace kelvaro::chart
