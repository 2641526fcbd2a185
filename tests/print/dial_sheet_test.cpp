// The dial sheet: who, when and where, the pointer, the orb, the legend of
// the shown rings and the whole list at the pointer, on white paper in
// black and one accent colour.
#include "print/dial_sheet.h"

#include <QImage>

#include <gtest/gtest.h>

#include "core/pair_texts.h"
#include "output/result_file.h"
#include "print/print_support.h"
#include "support/sample_record.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

using testing::pagesOf;
using testing::pdfText;
using testing::TempDir;

TransitRecord sample() { return testing::sampleRecord("mueller-juergen.dat"); }

// The lines of the sheet's PDF, every page, without empty lines.
std::vector<std::string> sheetText(DialSheetContent content, bool onePage,
                                   std::size_t* pageCount = nullptr) {
  Printout printout = dialSheetPrintout(std::move(content), onePage);
  const auto pdf = printoutFile(printout, PageFormat::pdf);
  EXPECT_EQ(rejection(pdf), nullptr);
  TempDir dir;
  testing::writeFile(dir.path() / "blatt.pdf", std::get<std::string>(pdf));
  const auto pages = pagesOf(pdfText(dir.path() / "blatt.pdf"));
  if (pageCount) *pageCount = pages.size();
  std::vector<std::string> lines;
  for (const auto& page : pages) {
    for (const std::string& line : page) {
      if (!line.empty()) lines.push_back(line);
    }
  }
  return lines;
}

bool has(const std::vector<std::string>& lines, const std::string& wanted) {
  return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

// Lines as pdftotext gives them: runs of blanks as one, no trailing blanks.
std::string squeezed(std::string_view line) {
  return pagesOf(std::string(line) + "\n").front().front();
}

TEST(DialSheet, ShowsWhoWhenWhereThePointerTheOrbTheRingsAndTheList) {
  const TransitRecord record = sample();
  const DialSheetContent content =
      dialSheetContent(record, 1.2, 7 * 60 + 30, {true, true, true, true});
  std::size_t pages = 0;
  const auto lines = sheetText(content, false, &pages);
  EXPECT_TRUE(has(lines, printHeader(record)));
  EXPECT_TRUE(has(lines, record.surname() + ", " + record.firstName()));
  EXPECT_TRUE(
      has(lines, "Transit: " + record.date() + ", " + record.time() + ", " + record.place()));
  EXPECT_TRUE(has(lines, "Zeiger 07°30' Orbis: 01:12"));
  EXPECT_TRUE(
      has(lines, "Ringe von innen nach außen: r Radix, p Progression, s Solarbogen, t Transit"));
  EXPECT_TRUE(has(lines, "Seite 1 von " + std::to_string(pages)));
  EXPECT_TRUE(has(lines, squeezed(content.pointerList.heading)));
  for (const std::string_view line : content.pointerList.lines) {
    EXPECT_TRUE(has(lines, squeezed(line))) << line;
  }
}

// A comparison names both persons, the date of p and s, and the partner's
// radix in the legend of the outer ring.
TEST(DialSheet, AComparisonNamesBothPersons) {
  TransitRecord record = sample();
  record.texts[1] = comparisonFirstName(record.firstName(), "Weiß, Anna");
  const auto lines = sheetText(dialSheetContent(record, 1.2, 0, {true, false, true, true}), true);
  EXPECT_TRUE(has(lines, record.surname() + ", " + record.firstName()));
  EXPECT_TRUE(has(lines, "p und s zum " + record.date() + ", " + record.time() + ", " +
                             record.place() + "; t: Radix Weiß, Anna"));
  EXPECT_TRUE(has(lines, "Ringe von innen nach außen: r Radix, s Solarbogen, t Radix Weiß, Anna"));
}

// 14 entries make a line of 113 characters, wider than the page at the usual
// size: the list's font is made small enough for it to stay whole.
TEST(DialSheet, TheWidestLineOfTheListStaysWhole) {
  std::string full;
  for (int i = 0; i < 14; ++i) full += " MCr+WIp";
  DialSheetContent content = dialSheetContent(sample(), 1.2, 0, {true, false, false, true});
  content.pointerList.lines =
      ResultText{"Summen in der Achse 00:00", full + " ", "******************"};
  const auto lines = sheetText(content, false);
  EXPECT_TRUE(has(lines, full.substr(1)));
  EXPECT_TRUE(has(lines, "Ringe von innen nach außen: r Radix, t Transit"));
}

// At the largest orb the list is longer than the page: on paper it goes on
// over further pages; a picture says how many lines it leaves out.
TEST(DialSheet, ALongListGoesOnOverPagesOrIsCountedOnAPicture) {
  const DialSheetContent content =
      dialSheetContent(sample(), 9 + 59.0 / 60, 0, {true, true, true, true});
  std::size_t pages = 0;
  const auto lines = sheetText(content, false, &pages);
  EXPECT_GE(pages, 2u);
  EXPECT_TRUE(has(lines, "Seite " + std::to_string(pages) + " von " + std::to_string(pages)));
  for (const std::string_view line : content.pointerList.lines) {
    EXPECT_TRUE(has(lines, squeezed(line))) << line;
  }

  std::size_t onePage = 0;
  const auto picture = sheetText(content, true, &onePage);
  EXPECT_EQ(onePage, 1u);
  std::size_t shown = 0;
  for (const std::string_view line : content.pointerList.lines)
    shown += has(picture, squeezed(line));
  const std::size_t left = content.pointerList.lines.size() - shown;
  EXPECT_GT(left, 0u);
  EXPECT_TRUE(has(picture, "… und " + std::to_string(left) + " weitere Zeilen"));
}

// On paper only black (and its greys) and one accent colour (and its tints).
TEST(DialSheet, APictureIsWhitePaperInBlackAndOneAccentColour) {
  DialSheetContent content = dialSheetContent(sample(), 1.2, 100, {true, true, true, true});
  content.marked = {{factor::MC, Variant::r}, {factor::SO, Variant::t}};
  Printout printout = dialSheetPrintout(content, true);
  const auto png = printoutFile(printout, PageFormat::png);
  ASSERT_EQ(rejection(png), nullptr);
  QImage image;
  ASSERT_TRUE(image.loadFromData(QByteArray::fromStdString(std::get<std::string>(png)), "PNG"));
  double brightness = 0;
  std::size_t count = 0;
  std::size_t accent = 0;
  std::size_t other = 0;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) {
      const QColor colour = image.pixelColor(x, y);
      brightness += colour.valueF();
      ++count;
      if (colour.hsvSaturationF() < 0.08) continue;  // white, grey, black
      const int hue = colour.hsvHue();
      (hue <= 12 || hue >= 348 ? accent : other) += 1;
    }
  }
  EXPECT_GT(brightness / static_cast<double>(count), 0.9);
  EXPECT_GT(accent, 100u);  // the pointer and its sector
  EXPECT_LT(other, accent / 100 + 1);
}

}  // namespace
}  // namespace kelvaro
