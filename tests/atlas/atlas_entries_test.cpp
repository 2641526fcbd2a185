#include "atlas/atlas_entries.h"

#include <gtest/gtest.h>

namespace kelvaro::atlas {
namespace {

GeoNamesPlace place(std::uint32_t id, std::string name, std::string country, std::string admin1,
                    unsigned population, std::vector<std::string> alternates = {}) {
  GeoNamesPlace made;
  made.id = id;
  made.name = std::move(name);
  made.asciiName = made.name;
  made.alternates = std::move(alternates);
  made.latitude = 48.4;
  made.longitude = 8.0;
  made.countryCode = std::move(country);
  made.admin1 = std::move(admin1);
  made.population = population;
  made.zone = "Europe/Berlin";
  return made;
}

// ASCII letters in lower case, other characters as they are, words parted
// by one blank: enough folding for these names.
std::vector<std::string> lowerWords(std::string_view name) {
  std::string folded;
  for (const char c : name) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (letter) {
      folded += static_cast<char>(c | 0x20);
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      folded += c;
    } else if (!folded.empty() && folded.back() != ' ') {
      folded += ' ';
    }
  }
  while (!folded.empty() && folded.back() == ' ') folded.pop_back();
  return {folded};
}

const IsoNames kIso = IsoNames::parse(
    R"({"3166-1": [{"alpha_2": "DE", "name": "Germany"}, {"alpha_2": "CH", "name": "Switzerland"}]})",
    R"({"3166-2": [{"code": "CH-VS", "name": "Valais"}, {"code": "DE-01", "name": "Wrong"},
                   {"code": "CH-BE", "name": "Bern"}]})",
    MessageCatalogue{}, MessageCatalogue{});

const AtlasEntry& named(const std::vector<AtlasEntry>& entries, std::uint32_t id) {
  for (const AtlasEntry& entry : entries) {
    if (entry.place.geonamesId == id) return entry;
  }
  throw std::out_of_range("no such place");
}

TEST(AtlasEntries, GermanNamesByNumberOrByNameAndCoordinates) {
  LibraryNames library;
  library.places = {{2886242, "DE", "Cologne", "Köln", 50.9, 6.9},
                    // renumbered since: found by country, name and coordinates
                    {1, "DE", "Munich", "München", 48.45, 8.05},
                    {2, "DE", "Aachen", "Aix", 10, 10}};  // too far away
  library.countries = {{"DE", "Germany (library)"}, {"XK", "Kosovo"}};
  const auto entries =
      atlasEntries({place(2886242, "Cologne", "DE", "07", 900), place(3, "Munich", "DE", "02", 800),
                    place(4, "Aachen", "DE", "07", 700), place(5, "Pristina", "XK", "", 600),
                    place(6, "Nowhere", "QQ", "", 500)},
                   library, kIso, lowerWords);
  EXPECT_EQ(named(entries, 2886242).place.name, "Köln");
  EXPECT_EQ(named(entries, 3).place.name, "München");
  EXPECT_EQ(named(entries, 4).place.name, "Aachen");
  // Country names: iso-codes first, then the library, else the code.
  EXPECT_EQ(named(entries, 4).place.country, "Germany");
  EXPECT_EQ(named(entries, 5).place.country, "Kosovo");
  EXPECT_EQ(named(entries, 6).place.country, "QQ");
  // The German name is searchable before GeoNames' own.
  EXPECT_EQ(named(entries, 2886242).names, (std::vector<std::string>{"köln", "cologne"}));
}

TEST(AtlasEntries, RegionsOnlyWhereTheyTellPlacesApart) {
  LibraryNames library;
  library.regions = {{"DE.01", "Baden-Württemberg"}, {"DE.02", "Bayern"}};
  const auto entries =
      atlasEntries({place(1, "Neustadt", "DE", "01", 500), place(2, "Neustadt", "DE", "02", 500),
                    place(3, "Neustadt", "DE", "02", 500), place(4, "Neustadt", "CH", "VS", 500),
                    place(5, "Brig", "CH", "VS", 500), place(6, "Gengenbach", "DE", "01", 500),
                    place(7, "Sion", "CH", "VS", 500), place(8, "Sion", "CH", "BE", 500),
                    place(9, "Au", "DE", "01", 500), place(10, "Au", "DE", "", 500)},
                   library, kIso, lowerWords);
  EXPECT_EQ(named(entries, 1).place.state, "Baden-Württemberg");
  EXPECT_EQ(named(entries, 2).place.state, "Bayern");
  EXPECT_EQ(named(entries, 3).place.state, "Bayern");
  // The only one of its name in its country; the country tells it apart.
  EXPECT_EQ(named(entries, 4).place.state, "");
  EXPECT_EQ(named(entries, 5).place.state, "");
  EXPECT_EQ(named(entries, 6).place.state, "");
  // ISO 3166-2 names a region GeoNames codes with letters.
  EXPECT_EQ(named(entries, 7).place.state, "Valais");
  EXPECT_EQ(named(entries, 8).place.state, "Bern");
  // A region without a name stays empty; the other still tells it apart.
  EXPECT_EQ(named(entries, 9).place.state, "Baden-Württemberg");
  EXPECT_EQ(named(entries, 10).place.state, "");
}

TEST(AtlasEntries, TheMostPopulousFirstAndEveryNameOnce) {
  const auto entries =
      atlasEntries({place(30, "Small", "DE", "", 500), place(20, "Big", "DE", "", 90000),
                    place(10, "Same", "DE", "", 500, {"SAME", "Other Name", "same", "Ünicode"}),
                    place(40, "!!!", "DE", "", 100000)},
                   {}, kIso, lowerWords);
  ASSERT_EQ(entries.size(), 3u);  // a place without a searchable name is left out
  EXPECT_EQ(entries[0].place.name, "Big");
  EXPECT_EQ(entries[1].place.geonamesId, 10u);  // of equal ones, the lower number first
  EXPECT_EQ(entries[2].place.geonamesId, 30u);
  EXPECT_EQ(entries[1].names, (std::vector<std::string>{"same", "other name", "Ünicode"}));
}

}  // namespace
}  // namespace kelvaro::atlas
