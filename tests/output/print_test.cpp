#include "output/print.h"

#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

#include "loading/content_overview.h"
#include "loading/transit_file.h"
#include "output/result_file.h"
#include "search/free_axis_entry.h"
#include "search/picture_search.h"
#include "support/record_builder.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
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

std::string pdfText(const fs::path& pdf) {
  const auto run = testing::runProcess({PDFTOTEXT, "-layout", pdf.string(), "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}

// The text lines of all pages, without their trailing blanks and with every
// run of blanks shortened to one (pdftotext places words by position and
// may widen a gap by a blank); pages end at a form feed.
std::vector<std::vector<std::string>> pagesOf(const std::string& text) {
  std::vector<std::vector<std::string>> pages(1);
  std::string line;
  const auto endLine = [&] {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    pages.back().push_back(line);
    line.clear();
  };
  for (const char c : text) {
    if (c == '\n') {
      endLine();
    } else if (c == '\f') {
      if (!line.empty()) endLine();
      pages.emplace_back();
    } else if (c != ' ' || (!line.empty() && line.back() != ' ')) {
      line += c;
    }
  }
  if (pages.back().empty()) pages.pop_back();
  return pages;
}

std::vector<std::string> allLines(const std::vector<std::vector<std::string>>& pages) {
  std::vector<std::string> lines;
  for (const auto& page : pages) lines.insert(lines.end(), page.begin(), page.end());
  return lines;
}

TEST(Print, PrintsHeaderAndLinesInTheirOrderInAFixedPitchFont) {
  TempDir dir;
  const fs::path pdf = dir.path() / "liste.pdf";
  ASSERT_EQ(printToPdf(pdf, {"Halbsummen-Suche", "MCr/MCr  12°30' in den Häusern", "x   y"}),
            std::nullopt);
  // The opening blank line leaves no trace in the text; the others do.
  EXPECT_EQ(pagesOf(pdfText(pdf)),
            (std::vector<std::vector<std::string>>{{"Müller,Jürgen, München, 05.03.2007, 14:30:00",
                                                    "", "Halbsummen-Suche", "",
                                                    "MCr/MCr 12°30' in den Häusern", "x y"}}));
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

  const auto pages = pagesOf(pdfText(pdf));
  EXPECT_GE(pages.size(), 3u);
  std::vector<std::string> expected{printHeader(person()), "", lines.front(), ""};
  expected.insert(expected.end(), lines.begin() + 1, lines.end());
  EXPECT_EQ(allLines(pages), expected);
  // A page is only left when it is full: the full pages hold the same number of lines.
  ASSERT_GE(pages.size(), 3u);
  EXPECT_EQ(pages[1].size(), pages[0].size() + 1);  // + the opening blank line of page 1
}

TEST(Print, APictureWithItsLinesFitsTheWidestLineOnOnePage) {
  TempDir dir;
  const fs::path pdf = dir.path() / "scheibe.pdf";
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  QImage picture(400, 400, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  std::string full;  // 14 entries: 113 characters, wider than the page at the usual size
  for (int i = 0; i < 14; ++i) full += " MCr+WIp";
  const std::vector<std::string> lines = {"Summen in der Achse 07:30", full + " ",
                                          "******************"};
  ASSERT_EQ(printPictureWithLines(printer, person(), picture, ResultText(lines)), std::nullopt);

  std::vector<std::string> text;
  for (const std::string& line : allLines(pagesOf(pdfText(pdf)))) {
    if (!line.empty()) text.push_back(line);
  }
  EXPECT_EQ(pagesOf(pdfText(pdf)).size(), 1u);
  EXPECT_EQ(text,
            (std::vector<std::string>{printHeader(person()), lines[0], full.substr(1), lines[2]}));
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
    EXPECT_EQ(inkOf(pdfText(pdf)), inkOf(printed)) << name;
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
