// Pictures the astrologer names for the client sheet: read from a list,
// then every variant within the orb.
#include "search/chosen_pictures.h"

#include <gtest/gtest.h>

#include "support/record_builder.h"

namespace kelvaro {
namespace {

using Kind = PictureTerm::Kind;

std::vector<ChosenPicture> parsed(std::string_view list) {
  auto pictures = parseChosenPictures(list, "--pictures");
  if (const Rejection* refused = rejection(pictures)) ADD_FAILURE() << refused->message;
  return std::get<std::vector<ChosenPicture>>(std::move(pictures));
}

std::vector<FactorVariant> variantsOf(int number, std::initializer_list<Variant> variants) {
  std::vector<FactorVariant> all;
  for (const Variant v : variants) all.push_back({number, v});
  return all;
}

TEST(ChosenPictures, AFactorWithoutALetterStandsForEveryVariantButSOs) {
  const auto pictures = parsed(" so = ma/SAp , Mc+jUt=PL-nes");
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].text, "so = ma/SAp");
  EXPECT_EQ(
      pictures[0].left,
      (ChosenTerm{Kind::factor, variantsOf(factor::SO, {Variant::r, Variant::p, Variant::t}), {}}));
  EXPECT_EQ(pictures[0].right,
            (ChosenTerm{Kind::midpoint,
                        variantsOf(factor::MA, {Variant::r, Variant::p, Variant::s, Variant::t}),
                        variantsOf(factor::SA, {Variant::p})}));
  EXPECT_EQ(pictures[1].left.kind, Kind::sum);
  EXPECT_EQ(pictures[1].left.second, variantsOf(factor::JU, {Variant::t}));
  EXPECT_EQ(pictures[1].right,
            (ChosenTerm{Kind::difference,
                        variantsOf(factor::PL, {Variant::r, Variant::p, Variant::s, Variant::t}),
                        variantsOf(factor::NE, {Variant::s})}));
  EXPECT_EQ(parsed("PO=MC")[0].left.first.size(), 4u);
}

TEST(ChosenPictures, ABadPictureIsNamedWithWhatIsWrong) {
  const std::vector<std::pair<std::string, std::string>> refusals = {
      {"SO=MA/XY", "Ungültiges Planetenbild »SO=MA/XY« in --pictures: unbekannter Faktor »XY«"},
      {"SO=MA/SA,MC=JU/PLx", "»MC=JU/PLx« in --pictures: unbekannter Faktor »PLx«"},
      {"GZ=SO", "unbekannter Faktor »GZ«"},
      {"SO=M", "unbekannter Faktor »M«"},
      {"SO=MARS", "unbekannter Faktor »MARS«"},
      {"SOs=MA/SA", "»SOs=MA/SA« in --pictures: SOs nimmt wie in jeder Suche an keinem"},
      {"SO MA/SA", "»SO MA/SA« in --pictures: es fehlt das „=“"},
      {"SO=MA=SA", "mehr als ein „=“"},
      {"SO=MA/SA/JU", "mehr als zwei Faktoren in »MA/SA/JU«"},
      {"=MA/SA", "die linke Seite fehlt"},
      {"SO=", "die rechte Seite fehlt"},
      {"SO=MA/", "ein Faktor fehlt"},
      {"SO=MA/SA,,MC=JU", "»« in --pictures: kein Planetenbild zwischen den Kommas"},
      {"", "»« in --pictures: kein Planetenbild"},
  };
  for (const auto& [list, message] : refusals) {
    const auto pictures = parseChosenPictures(list, "--pictures");
    const Rejection* refused = rejection(pictures);
    ASSERT_NE(refused, nullptr) << list;
    EXPECT_NE(refused->message.find(message), std::string::npos) << refused->message;
    EXPECT_TRUE(refused->message.ends_with(".")) << refused->message;
  }
  EXPECT_EQ(std::get<Rejection>(parseChosenPictures("SO")).message,
            "Ungültiges Planetenbild »SO«: es fehlt das „=“ zwischen den beiden Seiten, zum "
            "Beispiel SO=MA/SA.");
}

// MAr/SAr is 10°; the other variants of MA and SA stand far off on the
// dial. SOs would meet it exactly but takes no part.
TransitRecord record() {
  return testing::RecordBuilder(200)
      .at(Variant::r, factor::SO, 10.3)
      .at(Variant::p, factor::SO, 10.1)
      .at(Variant::s, factor::SO, 10)
      .at(Variant::t, factor::SO, 50)
      .at(Variant::r, factor::MA, 5)
      .at(Variant::r, factor::SA, 15)
      .build();
}

std::vector<std::string> texts(const std::vector<PictureRow>& rows) {
  std::vector<std::string> all;
  for (const PictureRow& row : rows) all.push_back(pictureText(row.picture));
  return all;
}

TEST(ChosenPictures, EachPicturesVariantsWithinTheOrbTheNearestFirstInTheListsOrder) {
  const Keywords keywords = Keywords::read("SO = MA/SA = Kraftprobe\n");
  const auto rows = chosenPictureRows(record(), 1, DialSize::standard(),
                                      parsed("SO=MA/SA,MAr/SAr=SOr,PL=MAr"), keywords);
  EXPECT_EQ(texts(rows),
            (std::vector<std::string>{"SOp = MAr/SAr", "SOr = MAr/SAr", "MAr/SAr = SOr"}));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_NEAR(rows[0].deviation, 0.1, 1e-9);
  EXPECT_NEAR(rows[1].deviation, 0.3, 1e-9);
  EXPECT_EQ(rows[0].picture.line, 0u);
  EXPECT_EQ(rows[2].picture.line, 1u);
  EXPECT_EQ(rows[2].keywords, "Kraftprobe");
  // 2°30' on the 22.5° dial and 6° on the 90° one: in the orb on neither.
  EXPECT_TRUE(chosenPictureRows(record(), 1, DialSize(DialSize::Kind::quarter),
                                parsed("SOp=MAr/SAp"), keywords)
                  .empty());
  EXPECT_EQ(chosenPictureRows(record(), 2.6, DialSize::standard(), parsed("SOp=MAr/SAp"), keywords)
                .size(),
            1u);
}

// With an orb of more than half the dial every variant is in it: each
// counts once however it is written, none with the same term on both sides.
TEST(ChosenPictures, AVariantWrittenTwiceCountsOnce) {
  const Keywords none;
  const auto count = [&](std::string_view list) {
    return chosenPictureRows(record(), 12, DialSize::standard(), parsed(list), none).size();
  };
  EXPECT_EQ(count("MA/SA=MA/SA"), 16u * 15 / 2);
  EXPECT_EQ(count("MA/SA=SA/MA"), 16u * 15 / 2);
  EXPECT_EQ(count("SO/SO=MA"), 6u * 4);  // SOr/SOp = SOp/SOr; SOs never
  EXPECT_EQ(count("SO=SO"), 3u);
  EXPECT_EQ(count("MA-SA=SA-MA"), 16u * 16);  // differences have an order
  EXPECT_EQ(count("SO=MA,SO=MA"), 2u * 3 * 4);
}

}  // namespace
}  // namespace kelvaro
