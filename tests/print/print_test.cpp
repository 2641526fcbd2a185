#include "print/print.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include "loading/content_overview.h"
#include "loading/transit_file.h"
#include "output/result_file.h"
#include "print/print_support.h"
#include "search/free_axis_entry.h"
#include "search/picture_search.h"
#include "support/record_builder.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::pagesOf;
using testing::pdfText;
using testing::TempDir;

TransitRecord person() {
  return testing::RecordBuilder()
      .text(0, "Müller")
      .text(1, "Jürgen")
      .text(2, "München")
      .text(3, "05.03.2007")
      .text(4, "14:30:00")
      .build();
}

// Prints into a PDF file; returns the error message, if any.
std::optional<std::string> printToPdf(const fs::path& pdf, const std::vector<std::string>& lines) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  return printResultList(printer, person(), ResultText(lines));
}

// A page without its frame: checks that the page begins with the header
// and ends with "Seite n von m" (empty lines between left aside), and
// returns the lines between them, without the empty lines at their end.
std::vector<std::string> bodyOf(std::vector<std::string> page, const std::string& header,
                                std::size_t number, std::size_t count) {
  while (!page.empty() && page.back().empty()) page.pop_back();
  EXPECT_FALSE(page.empty());
  if (page.empty()) return page;
  EXPECT_EQ(page.front(), header) << "page " << number;
  EXPECT_EQ(page.back(), "Seite " + std::to_string(number) + " von " + std::to_string(count));
  page.pop_back();
  while (!page.empty() && page.back().empty()) page.pop_back();
  page.erase(page.begin());
  return page;
}

// The lines of all pages without their frames, after checking every frame.
std::vector<std::string> bodiesOf(const std::vector<std::vector<std::string>>& pages,
                                  const std::string& header) {
  std::vector<std::string> lines;
  for (std::size_t k = 0; k < pages.size(); ++k) {
    const auto body = bodyOf(pages[k], header, k + 1, pages.size());
    lines.insert(lines.end(), body.begin(), body.end());
  }
  return lines;
}

TEST(Print, PrintsHeaderAndLinesInTheirOrderInAFixedPitchFont) {
  TempDir dir;
  const fs::path pdf = dir.path() / "liste.pdf";
  ASSERT_EQ(printToPdf(pdf, {"Halbsummen-Suche", "MCr/MCr  12°30' in den Häusern", "x   y"}),
            std::nullopt);
  // The opening blank line leaves no trace in the text; the others do. The
  // page number stands at the foot.
  const auto pages = pagesOf(pdfText(pdf));
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(bodyOf(pages[0], "Müller,Jürgen, München, 05.03.2007, 14:30:00", 1, 1),
            (std::vector<std::string>{"", "Halbsummen-Suche", "", "MCr/MCr 12°30' in den Häusern",
                                      "x y"}));
  const auto fonts = testing::runProcess({PDFFONTS, pdf.string()});
  ASSERT_EQ(fonts.status, 0) << fonts.err;
  EXPECT_NE(fonts.out.find("LiberationMono"), std::string::npos) << fonts.out;
}

TEST(Print, ALongListContinuesOnNewPagesWithoutLosingALine) {
  TempDir dir;
  const fs::path pdf = dir.path() / "lang.pdf";
  std::vector<std::string> lines;
  for (int i = 1; i <= 250; ++i) lines.push_back("Zeile " + std::to_string(i));
  ASSERT_EQ(printToPdf(pdf, lines), std::nullopt);

  // Every page has the header on top and "Seite n von N" at its foot.
  const auto pages = pagesOf(pdfText(pdf));
  EXPECT_GE(pages.size(), 3u);
  std::vector<std::string> expected{lines.front()};
  expected.insert(expected.end(), lines.begin() + 1, lines.end());
  std::vector<std::string> bodies;
  std::vector<std::size_t> sizes;
  for (std::size_t k = 0; k < pages.size(); ++k) {
    auto body = bodyOf(pages[k], printHeader(person()), k + 1, pages.size());
    ASSERT_FALSE(body.empty());
    EXPECT_EQ(body.front(), "") << "the blank line below the header of page " << k + 1;
    body.erase(body.begin());
    if (k == 0) {
      ASSERT_GE(body.size(), 2u);
      EXPECT_EQ(body[1], "");  // the blank line after the first line
      body.erase(body.begin() + 1);
    }
    sizes.push_back(body.size() + (k == 0 ? 1 : 0));
    bodies.insert(bodies.end(), body.begin(), body.end());
  }
  EXPECT_EQ(bodies, expected);
  // A page is only left when it is full: the full pages hold the same number of lines.
  ASSERT_GE(pages.size(), 3u);
  EXPECT_EQ(sizes[1], sizes[0]);
}

// Every character but the blanks, in order: what paper must keep.
std::string inkOf(const std::string& text) {
  std::string ink;
  for (const char c : text) {
    if (c != ' ' && c != '\n' && c != '\f') ink += c;
  }
  return ink;
}

// The option 2 list and the content overview at an orb of 3°, with lines far
// wider than a portrait page: the print dialog opens preset to landscape,
// and on paper every character of every line is there, in its order.
TEST(Print, WideListsLoseNoCharacterOnPaper) {
  const TransitRecord record = std::get<TransitRecord>(
      loadTransitFile(std::string(KELVARO_SAMPLES_DIR) + "/mueller-juergen.dat"));
  const double orb = 3.0;
  const auto axis = entryAxis(record, std::get<FreeAxisEntry>(checkFreeAxisEntry("KNt+JUp")));
  const PanelVariant all = *panelVariantFromCaption("rpst");
  const std::vector<std::pair<std::string, ResultText>> lists = {
      {"option2", pictureSearch(record, orb, axis, {all, PictureKind::midpoint, all}, false).lines},
      {"content", vier_summen(record, orb)}};
  TempDir dir;
  for (const auto& [name, lines] : lists) {
    QPrinter printer;
    presetPageOrientation(printer, record, lines);
    // What the print dialog does when the user prints into a PDF file.
    printer.setOutputFormat(QPrinter::PdfFormat);
    const fs::path pdf = dir.path() / (name + ".pdf");
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape) << name;
    ASSERT_EQ(printResultList(printer, record, lines), std::nullopt) << name;

    std::string printed;
    for (const std::string_view line : printedLines(record, lines)) printed += line;
    const auto pages = pagesOf(pdfText(pdf));
    std::string onPaper = printHeader(record);
    for (const std::string& line : bodiesOf(pages, printHeader(record))) onPaper += line;
    EXPECT_EQ(inkOf(onPaper), inkOf(printed)) << name;
  }
}

TEST(Print, NarrowListsStayPortrait) {
  QPrinter printer;
  printer.setPageOrientation(QPageLayout::Landscape);
  presetPageOrientation(printer, person(), {"Halbsummen-Suche", std::string(80, 'x')});
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(Print, APrinterThatCannotBeginReportsTheSystemsReason) {
  TempDir dir;
  const fs::path pdf = dir.path() / "weg" / "liste.pdf";
  const auto error = printToPdf(pdf, {"Zeile"});
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->rfind("Der Druck lässt sich nicht beginnen (" + pdf.string() + ").\r", 0), 0u)
      << *error;
  EXPECT_NE(error->find("Datei oder Ordner nicht vorhanden"), std::string::npos) << *error;
  EXPECT_FALSE(fs::exists(pdf.parent_path()));
}

}  // namespace
}  // namespace kelvaro
