// The page painter: every page with the header on top and "Seite n von m"
// at the foot, counted over all sources; the same pages to a printer and
// to a PDF file; the first page as a picture on white.
#include "print/printout.h"

#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

#include "output/result_file.h"
#include "print/line_pages.h"
#include "print/print.h"
#include "print/print_support.h"
#include "support/record_builder.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::pagesOf;
using testing::pdfText;
using testing::TempDir;

TransitRecord person() {
  return testing::RecordBuilder()
      .text(0, "Weiß")
      .text(1, "Anna")
      .text(2, "Köln")
      .text(3, "08.12.2026")
      .text(4, "12:00:00")
      .build();
}

ResultText numbered(const std::string& word, int count) {
  ResultText lines;
  for (int i = 1; i <= count; ++i) lines.push_back(word + " " + std::to_string(i));
  return lines;
}

// The last non-empty line of each page.
std::vector<std::string> feetOf(const std::vector<std::vector<std::string>>& pages) {
  std::vector<std::string> feet;
  for (const auto& page : pages) {
    auto last = std::find_if(page.rbegin(), page.rend(), [](auto& l) { return !l.empty(); });
    feet.push_back(last == page.rend() ? "" : *last);
  }
  return feet;
}

TEST(Printout, SourcesBeginOnNewPagesAndPagesAreCountedOverAll) {
  Printout printout(printHeader(person()));
  printout.add(std::make_unique<LinePages>(ResultText{"Erste Quelle"}));
  printout.add(std::make_unique<LinePages>(numbered("Zeile", 150)));
  const auto pdf = printoutFile(printout, PageFormat::pdf);
  ASSERT_EQ(rejection(pdf), nullptr);
  TempDir dir;
  testing::writeFile(dir.path() / "quellen.pdf", std::get<std::string>(pdf));

  const auto pages = pagesOf(pdfText(dir.path() / "quellen.pdf"));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(feetOf(pages),
            (std::vector<std::string>{"Seite 1 von 3", "Seite 2 von 3", "Seite 3 von 3"}));
  for (const auto& page : pages) EXPECT_EQ(page.front(), printHeader(person()));
  EXPECT_EQ(pages[0][2], "Erste Quelle");
  EXPECT_EQ(pages[1][2], "Zeile 1");
}

// "Als PDF speichern" and a print into a PDF file give the same pages.
TEST(Printout, APdfSavedDirectlyHoldsThePagesAPrintGives) {
  const ResultText lines = numbered("Eintrag mit einem Text", 180);
  TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((dir.path() / "druck.pdf").string()));
  ASSERT_EQ(printResultList(printer, person(), lines), std::nullopt);

  Printout printout = resultListPrintout(person(), lines);
  const auto pdf = printoutFile(printout, PageFormat::pdf);
  ASSERT_EQ(rejection(pdf), nullptr);
  testing::writeFile(dir.path() / "direkt.pdf", std::get<std::string>(pdf));
  const std::string printed = pdfText(dir.path() / "druck.pdf");
  EXPECT_GE(pagesOf(printed).size(), 2u);
  EXPECT_EQ(pdfText(dir.path() / "direkt.pdf"), printed);
}

// A picture holds the first page only, whole, on white: an A4 sheet at
// 300 dpi as PNG, or as SVG.
TEST(Printout, PicturesHoldTheFirstPageOnWhite) {
  Printout printout = resultListPrintout(person(), numbered("Zeile", 300));
  const auto png = printoutFile(printout, PageFormat::png);
  ASSERT_EQ(rejection(png), nullptr);
  QImage image;
  ASSERT_TRUE(image.loadFromData(QByteArray::fromStdString(std::get<std::string>(png)), "PNG"));
  EXPECT_EQ(image.size(), QSize(2480, 3508));
  EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 300, 1);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::white));
  std::size_t dark = 0;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  EXPECT_GT(dark, 1000u);  // the lines are there

#ifdef KELVARO_HAVE_SVG
  const auto svg = printoutFile(printout, PageFormat::svg);
  ASSERT_EQ(rejection(svg), nullptr);
  const std::string& text = std::get<std::string>(svg);
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("Seite 1 von 1"), std::string::npos);
  EXPECT_NE(text.find("Zeile 1<"), std::string::npos);
  EXPECT_EQ(text.find("Seite 2"), std::string::npos);
#endif
}

}  // namespace
}  // namespace kelvaro
