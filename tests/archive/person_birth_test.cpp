#include "archive/person_birth.h"

#include <gtest/gtest.h>

#include "archive/person_builder.h"
#include "support/birth_data.h"

namespace kelvaro::archive {
namespace {

using testing::cologne;

// A stored person has the birth data the typed entry of the same birth
// gives, so its timeline starts from the radix of its transit files.
TEST(PersonBirth, TheBirthDataOfAStoredPersonAreThoseOfItsEntry) {
  const auto stored = birthDataOf(cologne());
  ASSERT_FALSE(rejection(stored));
  const chart::BirthData& birth = std::get<chart::BirthData>(stored);
  const chart::BirthData typed = kelvaro::testing::birthData(kelvaro::testing::kKoeln);
  EXPECT_EQ(birth.moment, typed.moment);
  EXPECT_EQ(birth.zone.name(), "Europe/Berlin");
  EXPECT_DOUBLE_EQ(birth.latitude, typed.latitude);
  EXPECT_DOUBLE_EQ(birth.longitude, typed.longitude);

  // An unknown birth time is noon, as in birthEntry(): 11:00 UT in March in Cologne.
  Person noon = cologne();
  noon.birthTime.reset();
  const auto atNoon = birthDataOf(noon);
  ASSERT_FALSE(rejection(atNoon));
  EXPECT_EQ(std::get<chart::BirthData>(atNoon).moment, testing::utc(1970, 3, 5, 11, 0));
}

TEST(PersonBirth, APlaceToCheckHasNoBirthData) {
  Person unchecked = cologne();
  unchecked.latitude.reset();
  const auto refused = birthDataOf(unchecked);
  ASSERT_TRUE(rejection(refused));
  EXPECT_EQ(rejection(refused)->message,
            "Bei Müller, Anna fehlen Breite, Länge oder Zeitzone des Geburtsorts (Ort prüfen).");
}

}  // namespace
}  // namespace kelvaro::archive
