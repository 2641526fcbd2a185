#include "atlas/atlas_export.h"

#include <geonames/geonames.h>
#include <glib.h>
#include <libintl.h>

#include <fstream>
#include <memory>

#include "atlas/atlas_files.h"
#include "atlas/message_catalogue.h"
#include "core/text_encoding.h"

namespace kelvaro::atlas {
namespace {

constexpr gunichar kLastCodePoint = 0x10FFFF;

bool isWordCharacter(gunichar character) {
  return g_unichar_isalnum(character) || g_unichar_ismark(character);
}

// The text in ASCII by the rules of `locale` ("C": ö is o; "de": ö is oe),
// named explicitly so that the user's locale changes nothing.
std::string inAscii(const std::string& text, const char* locale) {
  gchar* ascii = g_str_to_ascii(text.c_str(), locale);
  std::string result = ascii;
  g_free(ascii);
  return result;
}

// The fields of one entry of the library, in the order it stores them.
constexpr const char* kEntryType = "(sssssssudd)";
struct LibraryEntry {
  const char* id = nullptr;  // GeoNames' number, the key of its translations
  const char* englishName = nullptr;
  const char* stateCode = nullptr;
  const char* englishState = nullptr;
  const char* countryCode = nullptr;
  const char* englishCountry = nullptr;
  const char* zone = nullptr;
  guint population = 0;
  double latitude = 0;
  double longitude = 0;
};

struct CityDeleter {
  void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using City = std::unique_ptr<GeonamesCity, CityDeleter>;

bool readEntry(GeonamesCity* city, LibraryEntry& entry) {
  if (city == nullptr || !g_variant_is_of_type(city, G_VARIANT_TYPE(kEntryType))) return false;
  g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &entry.id, &entry.englishName, &entry.stateCode,
                &entry.englishState, &entry.countryCode, &entry.englishCountry, &entry.zone,
                &entry.population, &entry.latitude, &entry.longitude);
  return true;
}

// The library's translations into German, read from the folder it takes
// them from.
MessageCatalogue libraryCatalogue() {
  const char* folder = bindtextdomain("geonames", nullptr);  // asks, changes nothing
  if (folder == nullptr) return {};
  return MessageCatalogue::read(std::filesystem::path(folder) / "de" / "LC_MESSAGES" /
                                "geonames.mo");
}

std::string translated(const MessageCatalogue& german, const std::string& key,
                       const char* english) {
  const std::string* found = german.find(key);
  return found ? *found : std::string(english ? english : "");
}

}  // namespace

std::string glibFoldedWords(std::string_view utf8) {
  char** words = g_str_tokenize_and_fold(std::string(utf8).c_str(), nullptr, nullptr);
  std::string text = " ";
  for (char** word = words; word && *word; ++word) text += std::string(*word) + " ";
  g_strfreev(words);
  return text;
}

std::vector<std::string> glibFoldedForms(std::string_view name) {
  const std::string words = glibFoldedWords(name);
  if (words.size() < 2) return {};
  std::vector<std::string> forms{words.substr(1, words.size() - 2)};
  if (g_str_is_ascii(forms.front().c_str())) return forms;
  for (const char* locale : {"C", "de"}) {
    std::string ascii = inAscii(forms.front(), locale);
    // "?" stands for a character ASCII cannot write: no form to search by.
    if (ascii != forms.back() && ascii.find('?') == std::string::npos) {
      forms.push_back(std::move(ascii));
    }
  }
  return forms;
}

FoldTable unicodeFoldTable() {
  FoldTable table;
  for (gunichar character = 1; character <= kLastCodePoint; ++character) {
    if (!g_unichar_validate(character) || !isWordCharacter(character)) continue;
    std::string text;
    appendUtf8(text, character);
    // A word character alone is one word: its folded form between blanks.
    const std::string folded = glibFoldedWords(text);
    table.addWordCharacter(character, std::string_view(folded).substr(1, folded.size() - 2));
  }
  return table;
}

LibraryNames libraryNames() {
  const MessageCatalogue german = libraryCatalogue();
  LibraryNames names;
  const int count = geonames_get_n_cities();
  for (int i = 0; i < count; ++i) {
    const City city(geonames_get_city(i));
    LibraryEntry entry;
    if (!readEntry(city.get(), entry)) continue;
    const std::string country = entry.countryCode;
    guint64 id = 0;
    if (g_ascii_string_to_unsigned(entry.id, 10, 1, G_MAXUINT32, &id, nullptr)) {
      names.places.push_back({static_cast<std::uint32_t>(id), country, entry.englishName,
                              translated(german, entry.id, entry.englishName), entry.latitude,
                              entry.longitude});
    }
    if (*entry.stateCode != '\0') {
      const std::string region = country + "." + entry.stateCode;
      names.regions.emplace(region, translated(german, region, entry.englishState));
    }
    names.countries.emplace(country, translated(german, country, entry.englishCountry));
  }
  return names;
}

std::optional<std::string> exportAtlas(const std::filesystem::path& cities,
                                       const std::filesystem::path& folder) {
  std::ifstream table(cities, std::ios::binary);
  if (!table) return "Die GeoNames-Tabelle " + utf8FromPath(cities) + " lässt sich nicht lesen.";
  GeoNamesTable read = readGeoNamesTable(table);
  if (read.fault) return utf8FromPath(cities) + ": " + *read.fault;
  const std::vector<AtlasEntry> entries = atlasEntries(
      read.places, libraryNames(), IsoNames::read("/usr/share/iso-codes/json", "/usr/share/locale"),
      glibFoldedForms);
  read.places.clear();

  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::ofstream places(folder / kPlacesFile, std::ios::binary | std::ios::trunc);
  std::ofstream words(folder / kWordsFile, std::ios::binary | std::ios::trunc);
  std::ofstream folding(folder / kFoldingFile, std::ios::binary | std::ios::trunc);
  const std::string cannotWrite = "Kann nicht in " + utf8FromPath(folder) + " schreiben.";
  if (!places || !words || !folding) return cannotWrite;
  writePlaces(places, entries);
  writeWords(words, entries);
  unicodeFoldTable().write(folding);
  for (std::ofstream* file : {&places, &words, &folding}) file->close();
  if (!places || !words || !folding) return cannotWrite;
  const auto written = AtlasFiles::read(folder);
  if (!written || written->size() != entries.size()) {
    return "Die geschriebenen Dateien in " + utf8FromPath(folder) + " sind nicht lesbar.";
  }
  return std::nullopt;
}

}  // namespace kelvaro::atlas
