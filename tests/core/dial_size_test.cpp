#include "core/dial_size.h"

#include <gtest/gtest.h>

#include <random>

#include "core/std_ho.h"

namespace kelvaro {
namespace {

DialSize parsed(std::string_view text) {
  const auto result = parseDialSize(text);
  EXPECT_FALSE(rejection(result)) << text;
  return rejection(result) ? DialSize::standard() : std::get<DialSize>(result);
}

TEST(DialSize, ParsesTheFiveSizesAsTyped) {
  EXPECT_EQ(parsed("360").degrees(), 360);
  EXPECT_EQ(parsed(" 90 ").degrees(), 90);
  EXPECT_EQ(parsed("45°").degrees(), 45);
  EXPECT_TRUE(parsed("22.5").isStandard());
  EXPECT_TRUE(parsed("22,5").isStandard());
  EXPECT_EQ(parsed("11,25").degrees(), 11.25);
  EXPECT_EQ(parsed("11.25").degrees(), 11.25);
  for (const DialSize size : kDialSizes) EXPECT_EQ(parsed(size.optionText()), size);
}

TEST(DialSize, RefusesEveryOtherSizeNamingTheFive) {
  for (const std::string_view wrong : {"17", "0", "x", "", "22.50", "-90", "90.0", "720"}) {
    const auto result = parseDialSize(wrong);
    const Rejection* refused = rejection(result);
    ASSERT_TRUE(refused) << wrong;
    EXPECT_EQ(refused->message, "Unbekannte Scheibe »" + std::string(wrong) +
                                    "«: erlaubt sind 360, 90, 45, 22,5 oder 11,25 Grad.");
  }
}

TEST(DialSize, NamesItsSize) {
  EXPECT_EQ(DialSize::standard().label(), "22,5°-Scheibe");
  EXPECT_EQ(DialSize(DialSize::Kind::quarter).label(), "90°-Scheibe");
  EXPECT_EQ(DialSize(DialSize::Kind::thirtySecond).sizeText(), "11,25°");
  EXPECT_EQ(DialSize(DialSize::Kind::thirtySecond).optionText(), "11.25");
}

// Places lie in [0, size) and differ from the longitude by whole dials;
// the distance is the shorter way round.
TEST(DialSize, PlacesAndDistancesOnEverySize) {
  std::mt19937 random(45);
  std::uniform_real_distribution<double> longitude(-720, 720);
  for (const DialSize size : kDialSizes) {
    for (int k = 0; k < 200; ++k) {
      const double x = longitude(random);
      const double place = size.place(x);
      EXPECT_GE(place, 0);
      EXPECT_LT(place, size.degrees());
      const double turns = (x - place) / size.degrees();
      EXPECT_NEAR(turns, std::round(turns), 1e-9) << x;
    }
    EXPECT_EQ(size.place(-1e-18), 0);  // just below 0 would round up to the size
    EXPECT_NEAR(size.distance(1, size.degrees() - 1), 2, 1e-12);
    EXPECT_NEAR(size.distance(size.degrees() + 3, 1), 2, 1e-12);
  }
}

TEST(DialSize, PlaceTexts) {
  // The standard dial keeps the lists' own texts.
  for (const double x : {0.0, 7.5, 22.49999, 45.2, 359.99, 181.25}) {
    EXPECT_EQ(DialSize::standard().placeText(x), winkel_text(x, 2, AngleMode::dial22)) << x;
  }
  EXPECT_EQ(DialSize(DialSize::Kind::quarter).placeText(247.5), "67°30'");
  EXPECT_EQ(DialSize(DialSize::Kind::eighth).placeText(100.25), "10°15'");
  EXPECT_EQ(DialSize(DialSize::Kind::full).placeText(245.5), "245°30'");
  EXPECT_EQ(DialSize(DialSize::Kind::full).placeText(5.0), "005°00'");
  EXPECT_EQ(DialSize(DialSize::Kind::thirtySecond).placeText(23.0), "00°30'");
  // Minutes as the lists round them: half down, 60 carried.
  EXPECT_EQ(DialSize(DialSize::Kind::quarter).placeText(10 + 59.6 / 60), "11°00'");
  EXPECT_EQ(DialSize(DialSize::Kind::quarter).placeText(10 + 30.5 / 3600), "10°00'");
}

}  // namespace
}  // namespace kelvaro
