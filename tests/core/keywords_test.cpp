#include "core/keywords.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Kind = PictureTerm::Kind;

FactorVariant fv(int number, Variant v = Variant::r) { return {number, v}; }
PictureTerm one(int number) { return PictureTerm::ofFactor(fv(number)); }
PictureTerm pair(Kind kind, int first, int second) {
  return PictureTerm::ofPair(kind, fv(first), fv(second, Variant::p));
}
Picture picture(PictureTerm left, PictureTerm right) { return {0, left, right}; }

TEST(KeywordKeys, FactorsPairsAndPicturesInAnySpelling) {
  const auto keywords = Keywords::read(
      "SO = Lebenskraft\n"
      "  so / mo=Ehe \n"
      "VE+MA = Leidenschaft\n"
      "SA - MO = Kummer\n"
      "KN+JU = MO/SA = Abschied\n");
  EXPECT_TRUE(keywords.problems().empty());
  EXPECT_EQ(keywords.ofFactor(factor::SO), "Lebenskraft");
  EXPECT_EQ(keywords.ofTerm(pair(Kind::midpoint, factor::MO, factor::SO)), "Ehe");
  EXPECT_EQ(keywords.ofTerm(pair(Kind::sum, factor::MA, factor::VE)), "Leidenschaft");
  EXPECT_EQ(keywords.ofTerm(pair(Kind::difference, factor::SA, factor::MO)), "Kummer");
  // A difference only in its own order; and a pair's operator counts.
  EXPECT_EQ(keywords.ofTerm(pair(Kind::difference, factor::MO, factor::SA)), "");
  EXPECT_EQ(keywords.ofTerm(pair(Kind::sum, factor::SO, factor::MO)), "SO: Lebenskraft");
  // A picture with its sides swapped and its pairs turned round.
  EXPECT_EQ(keywords.ofPicture(picture(pair(Kind::midpoint, factor::SA, factor::MO),
                                       pair(Kind::sum, factor::JU, factor::KN))),
            "Abschied");
}

TEST(KeywordKeys, TheWordsStartAfterTheLastEqualsSign) {
  for (const char* line :
       {"SO=MA/SA = Kraftprobe", "SO = MA/SA = Kraftprobe", "SO=MA/SA=Kraftprobe"}) {
    const auto keywords = Keywords::read(line);
    EXPECT_TRUE(keywords.problems().empty()) << line;
    EXPECT_EQ(keywords.ofFactor(factor::SO), std::nullopt) << line;
    EXPECT_EQ(
        keywords.ofPicture(picture(one(factor::SO), pair(Kind::midpoint, factor::MA, factor::SA))),
        "Kraftprobe")
        << line;
  }
}

TEST(KeywordProblems, BadLinesAreReportedByNumberAndTheOthersCount) {
  const auto keywords = Keywords::read(
      "# Bemerkung = keine Stichworte\n"
      "\n"
      "SO = Lebenskraft\n"
      "XY = Unsinn\n"
      "MO Gefühl\n"
      "MA =   \n"
      "SOr = Sonne\n"
      "SO = Kraft = Macht\n"
      "SO = MA/SA\n"
      "SO/MO/JU = Dreiheit\n"
      "Du = Durchgang\n"
      "Sonne = Lebenskraft, Selbst, Körper, der Mann, Vater\n"
      "   # eingerückte Bemerkung\n"
      "JU = Glück");
  const auto& messages = keywords.problems();  // lines 4 to 12
  ASSERT_EQ(messages.size(), 9u);
  EXPECT_EQ(messages[0].line, 4u);
  EXPECT_EQ(messages[8].line, 12u);
  EXPECT_EQ(messages[0].message, "Zeile 4: „XY = Unsinn“ nicht verstanden (unbekannter Faktor XY)");
  EXPECT_EQ(messages[1].message,
            "Zeile 5: „MO Gefühl“ nicht verstanden (kein „=“ vor den Stichworten)");
  EXPECT_EQ(messages[3].message,
            "Zeile 7: „SOr = Sonne“ nicht verstanden (SOr: Faktoren ohne r, p, s oder t)");
  EXPECT_EQ(messages[4].message,
            "Zeile 8: „SO = Kraft = Macht“ nicht verstanden (unbekannter Faktor Kraft; die "
            "Stichworte beginnen nach dem letzten „=“)");
  EXPECT_EQ(messages[5].message, "Zeile 9: „SO = MA/SA“ nicht verstanden (Bild ohne Stichworte)");
  EXPECT_EQ(messages[6].message,
            "Zeile 10: „SO/MO/JU = Dreiheit“ nicht verstanden (mehr als zwei Faktoren in "
            "SO/MO/JU)");
  // Cut after 40 characters, not bytes.
  EXPECT_EQ(messages[8].message,
            "Zeile 12: „Sonne = Lebenskraft, Selbst, Körper, der…“ nicht verstanden (unbekannter "
            "Faktor Sonne)");
  EXPECT_EQ(keywords.ofFactor(factor::SO), "Lebenskraft");
  EXPECT_EQ(keywords.ofFactor(factor::JU), "Glück");
  EXPECT_EQ(keywords.ofFactor(factor::MO), std::nullopt);
}

TEST(KeywordProblems, TheLaterOfTwoEqualKeysCounts) {
  const auto keywords = Keywords::read(
      "SO/MO = Ehe\n"
      "SO-MO = Wille gegen Gefühl\n"
      "MO-SO = Gefühl gegen Wille\n"
      "SO = MA/SA = Kraftprobe\n"
      "mo/so = Paar\n"
      "SA/MA = SO = Durchhalten\n");
  ASSERT_EQ(keywords.problems().size(), 2u);
  EXPECT_EQ(keywords.problems()[0].message,
            "Zeile 5: MO/SO steht schon in Zeile 1; die spätere gilt");
  EXPECT_EQ(keywords.problems()[1].message,
            "Zeile 6: SA/MA = SO steht schon in Zeile 4; die spätere gilt");
  EXPECT_EQ(keywords.ofTerm(pair(Kind::midpoint, factor::SO, factor::MO)), "Paar");
  EXPECT_EQ(keywords.ofTerm(pair(Kind::difference, factor::MO, factor::SO)), "Gefühl gegen Wille");
  EXPECT_EQ(
      keywords.ofPicture(picture(one(factor::SO), pair(Kind::midpoint, factor::MA, factor::SA))),
      "Durchhalten");
}

TEST(KeywordFile, ReadsWindows1252ByteOrderMarkAndCrLf) {
  for (const char* text :
       {"SO = Gl\xFC"
        "ck\r\nMO = Gef\xFChl",
        "SO = Glück\nMO = Gef\xFChl\n", "\xEF\xBB\xBFSO = Glück\r\n\r\nMO = Gefühl\r\n"}) {
    const auto keywords = Keywords::read(text);
    EXPECT_TRUE(keywords.problems().empty()) << text;
    EXPECT_EQ(keywords.ofFactor(factor::SO), "Glück") << text;
    EXPECT_EQ(keywords.ofFactor(factor::MO), "Gefühl") << text;
  }
  EXPECT_EQ(Keywords::read("SO = Glück\r\nXY = z\r\n").problems()[0].message,
            "Zeile 2: „XY = z“ nicht verstanden (unbekannter Faktor XY)");
  EXPECT_TRUE(Keywords::read("# nur Bemerkungen\n").empty());
}

TEST(KeywordLookup, SidesAndPicturesFallBackToTheirFactors) {
  const auto keywords = Keywords::read(
      "SO = Lebenskraft\n"
      "MO = Gefühl\n"
      "MA/SA = Kraftprobe\n"
      "SO = MO = Einklang\n");
  const auto soMo = pair(Kind::midpoint, factor::SO, factor::MO);
  EXPECT_EQ(keywords.ofTerm(soMo), "SO: Lebenskraft; MO: Gefühl");
  EXPECT_EQ(keywords.ofTerm(pair(Kind::sum, factor::JU, factor::MO)), "MO: Gefühl");
  EXPECT_EQ(keywords.ofTerm(PictureTerm::ofPair(Kind::midpoint, fv(factor::SO, Variant::r),
                                                fv(factor::SO, Variant::t))),
            "SO: Lebenskraft");
  EXPECT_EQ(keywords.ofTerm(one(factor::JU)), "");
  EXPECT_EQ(keywords.ofTerm(PictureTerm::ofAngle(22.5)), "");

  const auto maSa = pair(Kind::midpoint, factor::SA, factor::MA);
  EXPECT_EQ(keywords.ofPicture(picture(one(factor::MO), one(factor::SO))), "Einklang");
  EXPECT_EQ(keywords.ofPicture(picture(one(factor::SO), maSa)),
            "SO: Lebenskraft | SA/MA: Kraftprobe");
  EXPECT_EQ(keywords.ofPicture(picture(PictureTerm::ofAngle(22.5), maSa)), "SA/MA: Kraftprobe");
  // Two sides of the same factors name their words once.
  EXPECT_EQ(keywords.ofPicture(picture(maSa, pair(Kind::midpoint, factor::MA, factor::SA))),
            "SA/MA: Kraftprobe");
  EXPECT_EQ(keywords.ofPicture(picture(soMo, soMo)), "SO: Lebenskraft; MO: Gefühl");
  EXPECT_EQ(keywords.ofPicture(picture(one(factor::JU), pair(Kind::sum, factor::UR, factor::NE))),
            "");
}

TEST(KeywordFile, TheShippedTextReadsCleanlyWithWordsForEveryFactorUpToPO) {
  const std::string_view text = shippedKeywords();
  const auto keywords = Keywords::read(text);
  EXPECT_TRUE(keywords.problems().empty());
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    const auto words = keywords.ofFactor(number);
    EXPECT_TRUE(words && !words->empty()) << factorName(number);
  }
  EXPECT_EQ(keywords.ofFactor(factor::GZ), std::nullopt);
  // The examples in the header are comments and read cleanly once uncommented.
  std::string examples;
  const std::size_t start = text.find("# Beispiele");
  ASSERT_NE(start, std::string_view::npos);
  for (std::size_t at = text.find("\n# ", start); at != std::string_view::npos;
       at = text.find("\n# ", at + 1)) {
    const std::size_t end = text.find('\n', at + 1);
    examples += std::string(text.substr(at + 3, end - at - 3)) + "\n";
  }
  const auto uncommented = Keywords::read(examples);
  EXPECT_TRUE(uncommented.problems().empty()) << uncommented.problems()[0].message;
  EXPECT_FALSE(uncommented.empty());
}

}  // namespace
}  // namespace kelvaro
