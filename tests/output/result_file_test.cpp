#include "output/result_file.h"

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "output/output_lines.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

TransitRecord person(const std::string& date, const std::string& time) {
  return RecordBuilder()
      .text(0, "Müller")
      .text(1, "Jürgen")
      .text(2, "München")
      .text(3, date)
      .text(4, time)
      .text(5, "48°08' N")
      .build();
}

TEST(ResultFileName, TakesDateAndTimeDigitsWithoutTheirSeparators) {
  EXPECT_EQ(resultFileName(person("05.03.2007", "14:30:00")),
            "Müller,Jürgen München_05_03_2007_14_30_00.txt");
}

TEST(ResultFileName, ShortDateAndTimeTextsKeepEveryUnderscore) {
  const struct {
    std::string date, time, tail;
  } cases[] = {
      {"", "", "______.txt"},
      {"5.3.07", "9.30", "_5._.0__9._0_.txt"},
      {"05.03.", "14.30.0", "_05_03__14_30_0.txt"},
      {"05.03.20071", "14.30.001", "_05_03_2007_14_30_00.txt"},  // beyond the last position
      {"ä1.ö2.°003", "ß1.22.33", "_ä1_ö2_°003_ß1_22_33.txt"},    // characters, not bytes
  };
  for (const auto& c : cases) {
    EXPECT_EQ(resultFileName(person(c.date, c.time)), "Müller,Jürgen München" + c.tail)
        << c.date << " " << c.time;
  }
}

TEST(ResultFileName, IsCutToTheFirst255Characters) {
  std::string umlauts;
  for (int i = 0; i < 250; ++i) umlauts += "ä";
  const auto record = RecordBuilder().text(0, umlauts).text(1, "Jürgen").build();
  EXPECT_EQ(resultFileName(record), umlauts + ",Jürg");
}

TEST(Headers, PrintHasNoBlankAfterTheFirstCommaSaveHasOneAfterEvery) {
  const auto record = person("05.03.2007", "14:30:00");
  EXPECT_EQ(printHeader(record), "Müller,Jürgen, München, 05.03.2007, 14:30:00");
  EXPECT_EQ(saveHeader(record), "Müller, Jürgen, München, 05.03.2007, 14:30:00");
}

TEST(Headers, AreCutTo255CharactersAndLeaveTheLinesAlone) {
  std::string place;
  for (int i = 0; i < 300; ++i) place += "°";
  const auto record = RecordBuilder().text(0, "A").text(1, "B").text(2, place).build();
  EXPECT_EQ(printHeader(record), "A,B, " + utf8Left(place, 250));
  EXPECT_EQ(saveHeader(record), "A, B, " + utf8Left(place, 249));
  const std::vector<std::string> lines{"erste", "zweite"};
  EXPECT_EQ(printedLines(record, ResultText(lines)),
            (std::vector<std::string>{" ", printHeader(record), " ", "erste", " ", "zweite"}));
}

TEST(OutputLines, FrameTheSourceForPaperAndFile) {
  const auto record = person("05.03.2007", "14:30:00");
  const std::string print = printHeader(record);
  const std::string save = saveHeader(record);
  using Lines = std::vector<std::string>;
  EXPECT_EQ(printedLines(record, {}), (Lines{" ", print, " ", "", " "}));
  EXPECT_EQ(savedLines(record, {}), (Lines{" ", save, " ", ""}));
  EXPECT_EQ(printedLines(record, {"eins"}), (Lines{" ", print, " ", "eins", " "}));
  EXPECT_EQ(savedLines(record, {"eins"}), (Lines{" ", save, " ", "eins"}));
  EXPECT_EQ(printedLines(record, {"eins", "", "drei  "}),
            (Lines{" ", print, " ", "eins", " ", "", "drei  "}));
  EXPECT_EQ(savedLines(record, {"eins", "", "drei  "}),
            (Lines{" ", save, " ", "eins", "", "drei  "}));
}

}  // namespace
}  // namespace kelvaro
