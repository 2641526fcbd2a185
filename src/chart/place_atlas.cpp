#include "chart/place_atlas.h"

#ifdef KELVARO_HAVE_ATLAS
#include <geonames/geonames.h>
#include <libintl.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "chart/message_catalogue.h"
#include "core/text_encoding.h"
#endif

namespace kelvaro::chart {

#ifdef KELVARO_HAVE_ATLAS
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

std::string joined(char** words) {
  std::string text = " ";
  for (char** word = words; word && *word; ++word) text += std::string(*word) + " ";
  return text;
}

// A name's words as the atlas compares them: folded (case and compatible
// forms ignored), each between blanks; and the same without accents.
struct FoldedName {
  std::string words;  // " frankfurt am main "
  std::string plain;  // " koln " for " köln "

  explicit FoldedName(const char* name) {
    char** tokens = g_str_tokenize_and_fold(name, nullptr, nullptr);
    words = joined(tokens);
    g_strfreev(tokens);
    if (g_str_is_ascii(words.c_str())) {
      plain = words;  // most names: no accents to take off
      return;
    }
    gchar* ascii = g_str_to_ascii(words.c_str(), nullptr);
    plain = ascii;
    g_free(ascii);
  }
  bool holds(const std::string& query) const {
    return words.find(query) != std::string::npos || plain.find(query) != std::string::npos;
  }
};

// The German names of the atlas: its message catalogue, read from the
// folder the atlas takes its translations from.
const MessageCatalogue& germanNames() {
  static const MessageCatalogue catalogue = [] {
    const char* folder = bindtextdomain("geonames", nullptr);  // asks, changes nothing
    if (folder == nullptr) return MessageCatalogue{};
    return MessageCatalogue::read(std::filesystem::path(folder) / "de" / "LC_MESSAGES" /
                                  "geonames.mo");
  }();
  return catalogue;
}

std::string german(const std::string& key, const char* english) {
  const std::string* translated = germanNames().find(key);
  return translated ? *translated : std::string(english ? english : "");
}

// Every place's names, folded once for all searches.
struct IndexedPlace {
  int index = 0;
  guint population = 0;
  FoldedName english;
  FoldedName german;
};

const std::vector<IndexedPlace>& index() {
  static const std::vector<IndexedPlace> places = [] {
    std::vector<IndexedPlace> all;
    const int count = geonames_get_n_cities();
    all.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
      const City city(geonames_get_city(i));
      Entry entry;
      if (!readEntry(city.get(), entry)) continue;
      const std::string name = german(entry.id, entry.englishName);
      FoldedName english(entry.englishName);
      FoldedName inGerman = name == entry.englishName ? english : FoldedName(name.c_str());
      all.push_back({i, entry.population, std::move(english), std::move(inGerman)});
    }
    return all;
  }();
  return places;
}

AtlasPlace placeAt(int index) {
  const City city(geonames_get_city(index));
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

}  // namespace

bool atlasAvailable() { return true; }

std::vector<AtlasPlace> findPlaces(std::string_view query, std::size_t limit) {
  const FoldedName wanted(showableUtf8(query).c_str());  // the folding needs UTF-8
  if (wanted.words == " ") return {};
  std::vector<const IndexedPlace*> found;
  for (const IndexedPlace& place : index()) {
    if (place.german.holds(wanted.words) || place.english.holds(wanted.words)) {
      found.push_back(&place);
    }
  }
  std::stable_sort(found.begin(), found.end(), [](const IndexedPlace* a, const IndexedPlace* b) {
    return a->population > b->population;
  });
  if (found.size() > limit) found.resize(limit);
  std::vector<AtlasPlace> places;
  places.reserve(found.size());
  for (const IndexedPlace* place : found) places.push_back(placeAt(place->index));
  return places;
}

#else

bool atlasAvailable() { return false; }

std::vector<AtlasPlace> findPlaces(std::string_view, std::size_t) { return {}; }

#endif

std::string placeLabel(const AtlasPlace& place) {
  std::string label = place.name;
  for (const std::string* part : {&place.state, &place.country}) {
    if (!part->empty() && *part != place.name) label += ", " + *part;
  }
  return label;
}

}  // namespace kelvaro::chart
