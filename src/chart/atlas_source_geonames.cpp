#include <geonames/geonames.h>
#include <libintl.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "chart/atlas_source.h"
#include "chart/message_catalogue.h"

namespace kelvaro::chart::atlas_source {
namespace {

// The fields of one atlas entry, in the order the atlas stores them. The
// atlas names a place in the language of the process's messages; the
// search reads the English name and the German one itself instead, so that
// neither the locale nor the environment has to change while it runs.
constexpr const char* kEntryType = "(sssssssudd)";
struct Entry {
  const char* id = nullptr;  // the key of its translations
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

// Reads the entry's fields; false for an entry of another layout.
bool readEntry(GeonamesCity* city, Entry& entry) {
  if (city == nullptr || !g_variant_is_of_type(city, G_VARIANT_TYPE(kEntryType))) return false;
  g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &entry.id, &entry.englishName, &entry.stateCode,
                &entry.englishState, &entry.countryCode, &entry.englishCountry, &entry.zone,
                &entry.population, &entry.latitude, &entry.longitude);
  return true;
}

// The text in ASCII by the rules of `locale` ("C": ö is o; "de": ö is oe),
// named explicitly so that the user's locale changes nothing.
std::string inAscii(const std::string& text, const char* locale) {
  gchar* ascii = g_str_to_ascii(text.c_str(), locale);
  std::string result = ascii;
  g_free(ascii);
  return result;
}

FoldedName foldedName(const char* name) {
  FoldedName folded;
  folded.words = foldedWords(name);
  if (g_str_is_ascii(folded.words.c_str())) return folded;  // most names: no accents
  folded.ascii = inAscii(folded.words, "C");
  folded.germanAscii = inAscii(folded.words, "de");
  if (folded.germanAscii == folded.ascii) folded.germanAscii.clear();
  if (folded.ascii == folded.words) folded.ascii.clear();
  return folded;
}

// The German names of the atlas: its message catalogue, read from the
// folder the atlas takes its translations from.
const MessageCatalogue& germanNames() {
  static const MessageCatalogue kCatalogue = [] {
    const char* folder = bindtextdomain("geonames", nullptr);  // asks, changes nothing
    if (folder == nullptr) return MessageCatalogue{};
    return MessageCatalogue::read(std::filesystem::path(folder) / "de" / "LC_MESSAGES" /
                                  "geonames.mo");
  }();
  return kCatalogue;
}

std::string german(const std::string& key, const char* english) {
  const std::string* translated = germanNames().find(key);
  return translated ? *translated : std::string(english ? english : "");
}

}  // namespace

bool available() { return true; }

std::string foldedWords(std::string_view utf8) {
  char** words = g_str_tokenize_and_fold(std::string(utf8).c_str(), nullptr, nullptr);
  std::string text = " ";
  for (char** word = words; word && *word; ++word) text += std::string(*word) + " ";
  g_strfreev(words);
  return text;
}

const std::vector<SearchablePlace>& names() {
  static const std::vector<SearchablePlace> kPlaces = [] {
    std::vector<SearchablePlace> all;
    const int count = geonames_get_n_cities();
    all.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
      const City city(geonames_get_city(i));
      Entry entry;
      if (!readEntry(city.get(), entry)) continue;
      const std::string name = german(entry.id, entry.englishName);
      FoldedName english = foldedName(entry.englishName);
      FoldedName inGerman = name == entry.englishName ? english : foldedName(name.c_str());
      all.push_back(
          {static_cast<std::size_t>(i), entry.population, std::move(english), std::move(inGerman)});
    }
    return all;
  }();
  return kPlaces;
}

AtlasPlace place(std::size_t source) {
  const City city(geonames_get_city(static_cast<int>(source)));
  Entry entry;
  readEntry(city.get(), entry);
  const std::string countryCode = entry.countryCode;
  return {german(entry.id, entry.englishName),
          german(countryCode + "." + entry.stateCode, entry.englishState),
          german(countryCode, entry.englishCountry),
          countryCode,
          entry.zone,
          entry.latitude,
          entry.longitude,
          entry.population};
}

}  // namespace kelvaro::chart::atlas_source
