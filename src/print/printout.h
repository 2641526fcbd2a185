#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>

#include "core/checked.h"
#include "output/page_file.h"

class QPainter;
class QPrinter;

namespace kelvaro {

// Something printed on one page or more: the lines of a result list, the
// dial sheet. The page painter asks it how many pages it fills, given the
// body every page leaves it (below the header line, above the page number),
// and then has it paint each of them. Sizes are in the device's pixels.
class PageSource {
 public:
  virtual ~PageSource() = default;
  // Lays the pages out for bodies of `body`'s size, on the painter's
  // device; returns how many pages it fills (at least one).
  virtual int layOut(QPainter& painter, QSizeF body) = 0;
  // Paints page `page` (from 0) into `body`.
  virtual void paintPage(QPainter& painter, int page, const QRectF& body) = 0;
};

// What is printed or saved as pages: the header line that stands on top of
// every page and the sources, each beginning on a new page. Every page
// ends with "Seite n von m", counted over the whole printout, on white paper.
class Printout {
 public:
  explicit Printout(std::string header) : header_(std::move(header)) {}

  Printout& add(std::unique_ptr<PageSource> source) {
    sources_.push_back(std::move(source));
    return *this;
  }

  const std::string& header() const { return header_; }
  const std::vector<std::unique_ptr<PageSource>>& sources() const { return sources_; }

 private:
  std::string header_;
  std::vector<std::unique_ptr<PageSource>> sources_;
};

// The page of a printout saved as a file: A4 with the margins a printer
// that prints into a PDF file has, portrait or landscape.
QPageLayout printoutPageLayout(QPageLayout::Orientation orientation = QPageLayout::Portrait);

// The resolution of a PDF saved directly, that of a printer printing into a
// file, so that both hold the same pages.
inline constexpr int kPrintoutResolution = 96;

// Prints every page on an already configured printer (the window shows the
// print dialog first). Returns nothing on success, else the error message
// with what the system reported.
std::optional<std::string> printPages(QPrinter& printer, Printout& printout);

// Whether this build writes SVG: it needs Qt's SVG module, which the Qt of
// the Windows program lacks.
bool writesSvg();

// The bytes of the printout's file in a format, laid out on `layout`: a PDF
// of every page at kPrintoutResolution, or a picture of the first page (PNG
// at 300 dpi, SVG), on white; or the message why they could not be made.
Checked<std::string> printoutFile(Printout& printout, PageFormat format,
                                  const QPageLayout& layout = printoutPageLayout());

}  // namespace kelvaro
