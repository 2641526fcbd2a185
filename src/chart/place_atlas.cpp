#include "chart/place_atlas.h"

#ifdef KELVARO_HAVE_ATLAS
#include <geonames/geonames.h>
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#endif

namespace kelvaro::chart {

#ifdef KELVARO_HAVE_ATLAS
namespace {

// The atlas translates its names through the message catalogues. This asks
// for the German ones while it is alive and restores the process's settings
// afterwards; under the plain "C" locale no catalogue is read at all, so that
// one is replaced by its UTF-8 twin. The names come as UTF-8 whatever the
// character set of the locale.
class GermanNames {
 public:
  GermanNames() {
    bind_textdomain_codeset("geonames", "UTF-8");
    if (const char* language = std::getenv("LANGUAGE")) language_ = language;
    messages_ = std::setlocale(LC_MESSAGES, nullptr);
    ::setenv("LANGUAGE", "de", 1);
    if (messages_ == "C" || messages_ == "POSIX") std::setlocale(LC_MESSAGES, "C.UTF-8");
  }
  ~GermanNames() {
    if (language_) {
      ::setenv("LANGUAGE", language_->c_str(), 1);
    } else {
      ::unsetenv("LANGUAGE");
    }
    std::setlocale(LC_MESSAGES, messages_.c_str());
  }
  GermanNames(const GermanNames&) = delete;
  GermanNames& operator=(const GermanNames&) = delete;

 private:
  std::optional<std::string> language_;
  std::string messages_;
};

std::string text(const char* value) { return value ? value : ""; }

}  // namespace

bool atlasAvailable() { return true; }

std::vector<AtlasPlace> findPlaces(std::string_view query, std::size_t limit) {
  std::vector<AtlasPlace> places;
  const std::string wanted(query);
  if (wanted.find_first_not_of(" \t") == std::string::npos) return places;
  const GermanNames german;
  guint count = 0;
  gint* indices =
      geonames_query_cities_sync(wanted.c_str(), GEONAMES_QUERY_DEFAULT, &count, nullptr, nullptr);
  for (guint i = 0; i < count && places.size() < limit; ++i) {
    GeonamesCity* city = geonames_get_city(indices[i]);
    if (!city) continue;
    places.push_back({text(geonames_city_get_name(city)), text(geonames_city_get_state(city)),
                      text(geonames_city_get_country(city)),
                      text(geonames_city_get_country_code(city)),
                      text(geonames_city_get_timezone(city)), geonames_city_get_latitude(city),
                      geonames_city_get_longitude(city)});
    geonames_city_free(city);
  }
  g_free(indices);
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
