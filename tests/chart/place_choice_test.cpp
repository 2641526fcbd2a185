#include "chart/place_choice.h"

#include <gtest/gtest.h>

namespace kelvaro::chart {
namespace {

atlas::AtlasPlace place(const char* name, const char* state, const char* code,
                        unsigned population) {
  atlas::AtlasPlace found;
  found.name = name;
  found.state = state;
  found.country = std::string(code) == "US" ? "Vereinigte Staaten" : "Deutschland";
  found.countryCode = code;
  found.zone = "Europe/Berlin";
  found.latitude = 50.9333;
  found.longitude = 6.95;
  found.population = population;
  return found;
}

std::string messageOf(const Checked<atlas::AtlasPlace>& chosen) {
  return rejection(chosen) ? rejection(chosen)->message : "";
}

TEST(PlaceChoice, OnePlaceOrAClearLeaderIsTaken) {
  const auto one = chooseAtlasPlace("Köln", {place("Köln", "NRW", "DE", 1000000)}, "");
  ASSERT_EQ(messageOf(one), "");
  EXPECT_EQ(placeDescription(std::get<atlas::AtlasPlace>(one)),
            "Köln, NRW, Deutschland, 50°56' N, 06°57' O, Europe/Berlin");
  const auto leader = chooseAtlasPlace("Frankfurt",
                                       {place("Frankfurt am Main", "Hessen", "DE", 650000),
                                        place("Frankfurt (Oder)", "Brandenburg", "DE", 65000)},
                                       "");
  EXPECT_EQ(std::get<atlas::AtlasPlace>(leader).name, "Frankfurt am Main");
  // Just below ten times as many: no guess.
  EXPECT_NE(messageOf(chooseAtlasPlace("Frankfurt",
                                       {place("Frankfurt am Main", "Hessen", "DE", 649999),
                                        place("Frankfurt (Oder)", "Brandenburg", "DE", 65000)},
                                       "")),
            "");
}

// A place named as written leads over places that only carry the name
// among their others, however large; places of its own name still count.
TEST(PlaceChoice, APlaceNamedAsWrittenLeadsOverPlacesThatOnlyCarryTheName) {
  const std::vector<atlas::AtlasPlace> found = {
      place("Hamburg", "", "DE", 1845229), place("Wandsbek", "", "DE", 411422),
      place("Hamburg-Nord", "", "DE", 315514), place("Hamburg", "Niedersachsen", "DE", 900)};
  EXPECT_EQ(std::get<atlas::AtlasPlace>(chooseAtlasPlace("hamburg", found, "DE")).state, "");
  auto rivals = found;
  rivals[3].population = 200000;
  EXPECT_NE(messageOf(chooseAtlasPlace("Hamburg", rivals, "DE")), "");
  // Named otherwise than written, the next place counts as before.
  EXPECT_NE(messageOf(chooseAtlasPlace("Hamburg", {found[1], found[2]}, "DE")), "");
}

TEST(PlaceChoice, SeveralOfOneSizeAreListedUnlessTheCountryDecides) {
  std::vector<atlas::AtlasPlace> found = {place("Springfield", "Illinois", "US", 116565),
                                          place("Springfield", "Missouri", "US", 166810),
                                          place("Springfield", "Hessen", "DE", 3000)};
  EXPECT_EQ(std::get<atlas::AtlasPlace>(chooseAtlasPlace("Springfield", found, "de")).state,
            "Hessen");
  EXPECT_EQ(messageOf(chooseAtlasPlace("Springfield", found, "")),
            "Den Ort \"Springfield\" gibt es im Ortsatlas 3-mal. Bitte das Land mit --country "
            "angeben (z. B. --country=US) oder den Namen genauer schreiben:"
            "\r  Springfield, Illinois, Vereinigte Staaten (US), 116.565 Einwohner"
            "\r  Springfield, Missouri, Vereinigte Staaten (US), 166.810 Einwohner"
            "\r  Springfield, Hessen, Deutschland (DE), 3.000 Einwohner");
  // With the country given, only the name can tell them apart.
  EXPECT_EQ(messageOf(chooseAtlasPlace("Springfield", found, "us")),
            "Den Ort \"Springfield\" gibt es im Ortsatlas 2-mal (Land US). Bitte den Namen "
            "genauer schreiben:"
            "\r  Springfield, Illinois, Vereinigte Staaten (US), 116.565 Einwohner"
            "\r  Springfield, Missouri, Vereinigte Staaten (US), 166.810 Einwohner");
  EXPECT_EQ(messageOf(chooseAtlasPlace("Springfield", found, "FR")),
            "Der Ort \"Springfield\" steht nicht im Ortsatlas (Land FR).");
  EXPECT_EQ(messageOf(chooseAtlasPlace("Nirgendwo", {}, "")),
            "Der Ort \"Nirgendwo\" steht nicht im Ortsatlas.");
  // At most ten are listed.
  const std::vector<atlas::AtlasPlace> many(12, place("Berg", "Bayern", "DE", 500));
  const std::string listed = messageOf(chooseAtlasPlace("Berg", many, ""));
  EXPECT_EQ(std::count(listed.begin(), listed.end(), '\r'), 11);
  EXPECT_TRUE(listed.ends_with("\r  …"));
}

}  // namespace
}  // namespace kelvaro::chart
