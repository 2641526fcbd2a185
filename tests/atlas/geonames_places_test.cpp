#include "atlas/geonames_places.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kelvaro::atlas {
namespace {

// A line of GeoNames' table with its 19 fields.
std::string line(const std::string& id, const std::string& name, const std::string& alternates,
                 const std::string& latitude, const std::string& country,
                 const std::string& population, const std::string& zone) {
  return id + "\t" + name + "\t" + name + "\t" + alternates + "\t" + latitude +
         "\t8.01433\tP\tPPL\t" + country + "\t\t01\t083\t08317\t\t" + population + "\t\t175\t" +
         zone + "\t2011-04-25";
}

TEST(GeoNamesPlaces, TheFieldsOfALine) {
  const auto place = geonamesPlace(line("2921355", "Gengenbach", "Gengenbach,Хенгенбах,,x",
                                        "48.40476", "DE", "11234", "Europe/Berlin"));
  ASSERT_TRUE(place);
  EXPECT_EQ(place->id, 2921355u);
  EXPECT_EQ(place->name, "Gengenbach");
  EXPECT_EQ(place->alternates, (std::vector<std::string>{"Gengenbach", "Хенгенбах", "x"}));
  EXPECT_DOUBLE_EQ(place->latitude, 48.40476);
  EXPECT_DOUBLE_EQ(place->longitude, 8.01433);
  EXPECT_EQ(place->countryCode, "DE");
  EXPECT_EQ(place->admin1, "01");
  EXPECT_EQ(place->population, 11234u);
  EXPECT_EQ(place->zone, "Europe/Berlin");
  // A line end of CR LF, and no population, are taken.
  EXPECT_TRUE(geonamesPlace(line("1", "A", "", "1", "DE", "", "UTC") + "\r"));
}

TEST(GeoNamesPlaces, FaultyLinesAreNoPlaces) {
  for (const std::string& bad : {
           line("x", "A", "", "1", "DE", "5", "UTC"),
           line("1", "", "", "1", "DE", "5", "UTC"),
           line("1", "A", "", "north", "DE", "5", "UTC"),
           line("1", "A", "", "91", "DE", "5", "UTC"),
           line("1", "A", "", "1", "", "5", "UTC"),
           line("1", "A", "", "1", "DE", "-5", "UTC"),
           line("1", "A", "", "1", "DE", "5", ""),
           line("1", "A", "", "1", "DE", "5", "UTC") + "\textra",
           std::string("1\tA\tA"),
       }) {
    EXPECT_FALSE(geonamesPlace(bad)) << bad;
  }
  std::istringstream table(line("1", "A", "", "1", "DE", "5", "UTC") + "\n" +
                           line("2", "B", "", "x", "DE", "5", "UTC") + "\n");
  const GeoNamesTable read = readGeoNamesTable(table);
  EXPECT_EQ(read.fault, "Zeile 2 der GeoNames-Tabelle ist fehlerhaft.");
  std::istringstream empty("");
  EXPECT_EQ(readGeoNamesTable(empty).fault, "Die GeoNames-Tabelle enthält keinen Ort.");
}

}  // namespace
}  // namespace kelvaro::atlas
