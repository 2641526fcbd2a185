#include "loading/transit_description.h"

#include <gtest/gtest.h>

#include "support/german_locale.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

std::string fullDescription() {
  std::string text =
      "# a test person\nS0 Müller\nS1 Jürgen\nS2 München\nS3 05.03.2007\n"
      "S4 14:30:00\nS5 48°08' N\nS6\n";
  for (int number = 1; number <= factor::kCount; ++number) {
    text += std::string(factorName(number)) + "  " + std::to_string(number) + ".5 " +
            std::to_string(number + 100) + " 0.25 359.75\n";
  }
  return text;
}

TEST(TransitDescription, ReadsTextFieldsAndFourLongitudesPerFactor) {
  const auto parsed = parseTransitDescription(fullDescription());
  ASSERT_EQ(rejection(parsed), nullptr) << rejection(parsed)->message;
  const auto& record = std::get<TransitRecord>(parsed);
  EXPECT_EQ(record.surname(), "Müller");
  EXPECT_EQ(record.coordinate1(), "48°08' N");
  EXPECT_EQ(record.coordinate2(), "");
  EXPECT_EQ(record.position(Variant::r, factor::KN), 6.5);
  EXPECT_EQ(record.position(Variant::p, factor::Du), 124);
  EXPECT_EQ(record.position(Variant::t, factor::MC), 359.75);
}

TEST(TransitDescription, RoundTripsThroughItsText) {
  const auto record = testing::RecordBuilder(1.0 / 3)
                          .at(Variant::s, factor::GZ, 359.999999999)
                          .text(0, "Weiß")
                          .text(4, "07:00:00")
                          .build();
  const auto parsed = parseTransitDescription(describeTransitRecord(record));
  ASSERT_EQ(rejection(parsed), nullptr);
  EXPECT_EQ(std::get<TransitRecord>(parsed), record);
}

TEST(TransitDescription, IsTheSameTextUnderAGermanLocale) {
  const auto record = testing::RecordBuilder(1.0 / 3)
                          .at(Variant::r, factor::MC, 123.456)
                          .at(Variant::t, factor::PO, -1e308)
                          .build();
  const std::string inC = describeTransitRecord(record);
  const testing::GermanLocale german;
#ifndef _WIN32
  ASSERT_TRUE(german.inEffect()) << "the locale de_DE.UTF-8 is missing (scripts/install-deps)";
#endif
  EXPECT_EQ(describeTransitRecord(record), inC);
  const auto parsed = parseTransitDescription(inC);
  ASSERT_EQ(rejection(parsed), nullptr);
  EXPECT_EQ(std::get<TransitRecord>(parsed), record);
}

TEST(TransitDescription, NamesTheLineOfAnError) {
  std::string text = fullDescription();
  text.replace(text.find("KN"), 2, "XX");
  ASSERT_NE(rejection(parseTransitDescription(text)), nullptr);
  EXPECT_EQ(rejection(parseTransitDescription(text))->message,
            "Zeile 14: unbekannter Faktor oder Textfeld");
  EXPECT_EQ(rejection(parseTransitDescription("S0 a\n"))->message, "Textfeld S1 fehlt");
  std::string missingDu = fullDescription();
  missingDu.erase(missingDu.find("Du"));
  EXPECT_EQ(rejection(parseTransitDescription(missingDu))->message, "Faktor Du fehlt");
  std::string threeLongitudes = fullDescription();
  threeLongitudes.replace(threeLongitudes.find(" 359.75"), 7, "");
  EXPECT_EQ(rejection(parseTransitDescription(threeLongitudes))->message,
            "Zeile 9: vier Längen (R P S T) erwartet");
}

}  // namespace
}  // namespace kelvaro
