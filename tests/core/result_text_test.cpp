#include "core/result_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kelvaro {
namespace {

TEST(ResultText, HoldsEveryLineWithItsEndInOneBuffer) {
  ResultText text;
  text.push_back("Kopf");
  text.push_back("");
  text.pushPieces({" MCr", "/", "SOt", ""});
  text.push_back("Häuser °");
  EXPECT_EQ(text.text(), "Kopf\n\n MCr/SOt\nHäuser °\n");
  ASSERT_EQ(text.size(), 4u);
  EXPECT_EQ(text[0], "Kopf");
  EXPECT_EQ(text[1], "");
  EXPECT_EQ(text[2], " MCr/SOt");
  EXPECT_EQ(text.back(), "Häuser °");
  EXPECT_EQ(text, (std::vector<std::string>{"Kopf", "", " MCr/SOt", "Häuser °"}));
  EXPECT_FALSE(text == (std::vector<std::string>{"Kopf", "", " MCr/SOt"}));
}

TEST(ResultText, EmptyTextAndEmptyLinesDiffer) {
  const ResultText none;
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none.text(), "");
  EXPECT_EQ(none.begin(), none.end());
  const ResultText oneEmpty{""};
  EXPECT_EQ(oneEmpty.size(), 1u);
  EXPECT_EQ(oneEmpty.text(), "\n");
  EXPECT_FALSE(none == oneEmpty);
}

TEST(ResultText, IteratesLikeTheLinesOfAVector) {
  const std::vector<std::string> lines = {"a", "bb", "", "dddd"};
  const ResultText text(lines);
  EXPECT_EQ(text.lines(), lines);
  EXPECT_EQ(std::vector<std::string>(text.begin() + 1, text.end() - 1),
            (std::vector<std::string>{"bb", ""}));
  EXPECT_EQ(text.end() - text.begin(), 4);
  EXPECT_EQ(text.begin()[3], "dddd");
  EXPECT_EQ(std::find(text.begin(), text.end(), "") - text.begin(), 2);
  // Reserving and growing keep the offsets right.
  ResultText grown;
  grown.reserve(4, 1);
  for (int k = 0; k < 1000; ++k) grown.push_back(std::string(static_cast<std::size_t>(k % 7), 'x'));
  EXPECT_EQ(grown[999], "xxxxx");
  EXPECT_EQ(grown.text().size(), 1000u + 142u * 21u + 15u);  // line ends and the x
}

TEST(ResultTextWriter, WritesLinesInPlaceAndGivesBackTheRoomLeft) {
  ResultText text{"Kopf"};
  {
    ResultText::Writer out(text, 64);
    auto line = out.beginLine(40);
    line << ShortText::of("KNt") << " + " << ShortText::of("") << ShortText::of("07°30'") << "=";
    out.endLine(line);
    out.endLine(out.beginLine(0));
  }
  text.push_back("Ende");
  EXPECT_EQ(text.text(), "Kopf\nKNt + 07°30'=\n\nEnde\n");
  EXPECT_EQ(text.lines(), (std::vector<std::string>{"Kopf", "KNt + 07°30'=", "", "Ende"}));
}

TEST(ResultTextWriter, RefusesALineBeyondItsRoomAndKeepsTheLinesBefore) {
  ResultText text;
  {
    ResultText::Writer out(text, 40);
    out.endLine(out.beginLine(20) << ShortText::of("erste Zeile"));
    // 12 bytes are written, 28 left: a line end and 27 bytes fit, 28 do not.
    EXPECT_THROW(out.beginLine(28), std::length_error);
    out.endLine(out.beginLine(27) << "zweite");
  }
  EXPECT_EQ(text.lines(), (std::vector<std::string>{"erste Zeile", "zweite"}));
}

}  // namespace
}  // namespace kelvaro
