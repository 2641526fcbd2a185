// The client sheet: one page whatever it is given, the births, the pointer
// and a table of the chosen pictures, the rows that do not fit counted.
#include "print/client_sheet.h"

#include <gtest/gtest.h>

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

// Row k: MAr/SAp = SO in a variant, k minutes apart, with numbered keywords.
std::vector<PictureRow> rows(std::size_t count, const std::string& keywords = "Kraftprobe") {
  std::vector<PictureRow> made;
  for (std::size_t k = 0; k < count; ++k) {
    const Picture picture{k, PictureTerm::ofFactor({factor::SO, kVariants[k % 4]}),
                          PictureTerm::ofPair(PictureTerm::Kind::midpoint, {factor::MA, Variant::r},
                                              {factor::SA, Variant::p})};
    made.push_back(
        {picture, 3.5, static_cast<double>(k % 60) / 60, keywords + " " + std::to_string(k + 1)});
  }
  return made;
}

ClientSheetContent content(std::vector<PictureRow> chosen) {
  return {sample(),         1.2, 7 * 60 + 30, {true, true, true, true}, DialSize::standard(), {},
          std::move(chosen)};
}

// The pages of the sheet's PDF, lines without empty ones.
std::vector<std::vector<std::string>> sheetPages(ClientSheetContent sheet) {
  Printout printout = clientSheetPrintout(std::move(sheet));
  const auto pdf = printoutFile(printout, PageFormat::pdf);
  EXPECT_EQ(rejection(pdf), nullptr);
  TempDir dir;
  testing::writeFile(dir.path() / "klient.pdf", std::get<std::string>(pdf));
  auto pages = pagesOf(pdfText(dir.path() / "klient.pdf"));
  for (auto& page : pages) std::erase(page, "");
  return pages;
}

bool has(const std::vector<std::string>& lines, const std::string& wanted) {
  return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

std::size_t rowsShown(const std::vector<std::string>& page, std::size_t count) {
  std::size_t shown = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const std::string end = "Kraftprobe " + std::to_string(k + 1);
    shown += std::any_of(page.begin(), page.end(),
                         [&](const std::string& line) { return line.ends_with(end); });
  }
  return shown;
}

TEST(ClientSheet, ShowsTheHeadTheDialLinesAndTheChosenRows) {
  const TransitRecord record = sample();
  ClientSheetContent sheet = content(rows(5));
  sheet.persons = {"Müller, Jürgen – Geburt: 12.04.1981 06:30 (Europe/Berlin) in Köln"};
  const auto pages = sheetPages(sheet);
  ASSERT_EQ(pages.size(), 1u);
  const auto& page = pages.front();
  EXPECT_TRUE(has(page, printHeader(record)));
  EXPECT_TRUE(has(page, record.surname() + ", " + record.firstName()));
  EXPECT_TRUE(has(page, sheet.persons.front()));
  EXPECT_TRUE(
      has(page, "Transit: " + record.date() + ", " + record.time() + ", " + record.place()));
  EXPECT_TRUE(has(page, "Zeiger 07°30' Orbis: 01:12"));
  EXPECT_TRUE(
      has(page, "Ringe von innen nach außen: r Radix, p Progression, s Solarbogen, t Transit"));
  EXPECT_TRUE(has(page, "Planetenbild Abweichung Stichworte"));
  EXPECT_TRUE(has(page, "SOr = MAr/SAp 0' Kraftprobe 1"));
  EXPECT_TRUE(has(page, "SOt = MAr/SAp 3' Kraftprobe 4"));
  EXPECT_EQ(rowsShown(page, 5), 5u);
  EXPECT_TRUE(has(page, "Seite 1 von 1"));
  EXPECT_FALSE(std::any_of(page.begin(), page.end(), [](const std::string& line) {
    return line.find("weitere Planetenbilder") != std::string::npos;
  }));
}

TEST(ClientSheet, WithoutRowsOrBirthsItSaysSo) {
  ClientSheetContent sheet = content({});
  sheet.dial = DialSize(DialSize::Kind::quarter);
  sheet.pointer = 67 * 60 + 30;
  const auto pages = sheetPages(sheet);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(has(pages.front(), "Geburtsdaten: nicht im Personenarchiv"));
  EXPECT_TRUE(has(pages.front(), "Keine Planetenbilder ausgewählt."));
  EXPECT_FALSE(has(pages.front(), "Planetenbild Abweichung Stichworte"));
  EXPECT_TRUE(has(pages.front(), "90°-Scheibe Zeiger 67°30' Orbis: 01:12"));
}

// 200 rows: the page holds 30 and more, the last line counts the rest.
TEST(ClientSheet, RowsThatDoNotFitAreCountedInTheLastLine) {
  const auto pages = sheetPages(content(rows(200)));
  ASSERT_EQ(pages.size(), 1u);
  const std::size_t shown = rowsShown(pages.front(), 200);
  EXPECT_GE(shown, 30u);
  EXPECT_LT(shown, 200u);
  EXPECT_TRUE(has(pages.front(), "… und " + std::to_string(200 - shown) +
                                     " weitere Planetenbilder (nicht gezeigt)"));
  // The count stands where the next row would, and no row is left unnamed.
  for (std::size_t k = 0; k < shown; ++k) {
    EXPECT_EQ(rowsShown(pages.front(), k + 1), k + 1) << k;
  }
}

// Keywords wider than the page go on over three lines, the third ending in
// "…"; a birth line wider than the page is set smaller rather than cut.
TEST(ClientSheet, LongKeywordsTakeThreeLinesAtMost) {
  std::string words;
  for (int k = 0; k < 40; ++k) words += "Durchsetzung ";
  ClientSheetContent sheet = content(rows(2, words));
  const std::string birth =
      "Müller, Jürgen – Geburt: 12.04.1981 06:30 (America/Argentina/"
      "Buenos_Aires) in Villa General Belgrano de las Sierras Grandes, "
      "31°58' S 64°33' W";
  sheet.persons = {birth};
  const auto pages = sheetPages(sheet);
  ASSERT_EQ(pages.size(), 1u);
  const auto& page = pages.front();
  const auto row = std::find_if(page.begin(), page.end(), [](const std::string& line) {
    return line.starts_with("SOr = MAr/SAp 0' Durchsetzung");
  });
  ASSERT_GE(std::distance(row, page.end()), 4);
  EXPECT_FALSE(row->ends_with("…")) << *row;
  EXPECT_TRUE(row[1].starts_with("Durchsetzung")) << row[1];
  EXPECT_FALSE(row[1].ends_with("…")) << row[1];
  EXPECT_TRUE(row[2].starts_with("Durchsetzung")) << row[2];
  EXPECT_TRUE(row[2].ends_with("…")) << row[2];
  EXPECT_TRUE(row[3].starts_with("SOp = MAr/SAp 1' Durchsetzung")) << row[3];
  EXPECT_TRUE(has(page, birth));
}

// Rows of two lines each: the page holds fewer of them, and still counts
// the rest in its last line.
TEST(ClientSheet, RowsOfSeveralLinesAreCountedWhole) {
  std::string words;
  for (int k = 0; k < 14; ++k) words += "Durchsetzung ";
  const std::size_t oneLine = rowsShown(sheetPages(content(rows(200))).front(), 200);
  const auto pages = sheetPages(content(rows(200, words + "Kraftprobe")));
  ASSERT_EQ(pages.size(), 1u);
  const std::size_t shown = rowsShown(pages.front(), 200);
  EXPECT_GT(shown, 5u);
  EXPECT_LT(shown, oneLine);
  EXPECT_TRUE(has(pages.front(), "… und " + std::to_string(200 - shown) +
                                     " weitere Planetenbilder (nicht gezeigt)"));
}

}  // namespace
}  // namespace kelvaro
