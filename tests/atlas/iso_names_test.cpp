#include "atlas/iso_names.h"

#include <gtest/gtest.h>

namespace kelvaro::atlas {
namespace {

TEST(IsoNames, FlatJsonObjects) {
  const auto objects = flatJsonObjects(
      R"({"3166-1": [ {"alpha_2": "DE", "name": "Germany", "numeric": 276},)"
      R"( {"alpha_2":"AX","name":"\u00c5land \"Islands\"\\", "flag": "\ud83c\udde6"}]})");
  ASSERT_EQ(objects.size(), 3u);  // the outer object has no string values
  EXPECT_TRUE(objects[0].empty());
  EXPECT_EQ(objects[1].at("name"), "Germany");
  EXPECT_FALSE(objects[1].contains("numeric"));
  EXPECT_EQ(objects[2].at("alpha_2"), "AX");
  EXPECT_EQ(objects[2].at("name"), "Åland \"Islands\"\\");
  EXPECT_EQ(objects[2].at("flag"), "\xF0\x9F\x87\xA6");
  EXPECT_TRUE(flatJsonObjects(R"({"a": "no end)").size() <= 1);
}

TEST(IsoNames, CommonNamesBeforeOfficialOnes) {
  const IsoNames names = IsoNames::parse(
      R"({"3166-1": [{"alpha_2": "KR", "name": "Korea, Republic of", "common_name": "South Korea"},
                     {"alpha_2": "DE", "name": "Germany"}]})",
      R"({"3166-2": [{"code": "CH-VS", "name": "Valais", "type": "Canton"}]})", MessageCatalogue{},
      MessageCatalogue{});
  ASSERT_TRUE(names.country("KR"));
  EXPECT_EQ(*names.country("KR"), "South Korea");
  EXPECT_EQ(*names.country("DE"), "Germany");
  EXPECT_EQ(*names.region("CH-VS"), "Valais");
  EXPECT_EQ(names.country("XK"), nullptr);
  EXPECT_EQ(names.region("CH-ZZ"), nullptr);
}

// Debian's iso-codes, which the build reads.
TEST(IsoNames, GermanNamesOfDebiansLists) {
  const IsoNames names = IsoNames::read("/usr/share/iso-codes/json", "/usr/share/locale");
  if (!names.country("DE")) GTEST_SKIP() << "no iso-codes";
  EXPECT_EQ(*names.country("DE"), "Deutschland");
  EXPECT_EQ(*names.country("AT"), "Österreich");
  EXPECT_EQ(*names.country("CH"), "Schweiz");
  EXPECT_EQ(*names.country("KR"), "Südkorea");
  EXPECT_EQ(*names.region("CH-VS"), "Wallis");
  EXPECT_EQ(*names.region("US-CA"), "Kalifornien");
}

}  // namespace
}  // namespace kelvaro::atlas
