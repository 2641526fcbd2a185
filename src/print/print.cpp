#include "print/print.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>

#include "core/text_encoding.h"
#include "output/result_file.h"
#include "print/line_pages.h"
#include "print/print_font.h"

namespace kelvaro {

Printout resultListPrintout(const TransitRecord& record, const ResultText& lines) {
  Printout printout(printHeader(record));
  printout.add(std::make_unique<LinePages>(printedBodyLines(lines)));
  return printout;
}

std::optional<std::string> printResultList(QPrinter& printer, const TransitRecord& record,
                                           const ResultText& lines) {
  Printout printout = resultListPrintout(record, lines);
  return printPages(printer, printout);
}

QPageLayout::Orientation pageOrientationFor(const QPageLayout& layout, int resolution,
                                            const TransitRecord& record, const ResultText& lines) {
  std::size_t widest = 0;
  for (const std::string_view line : printedLines(record, lines)) {
    widest = std::max(widest, utf8Length(line));
  }
  QPageLayout portrait = layout;
  portrait.setOrientation(QPageLayout::Portrait);
  // The font measured as a device of this resolution measures it.
  QImage device(1, 1, QImage::Format_Mono);
  const int dotsPerMeter = static_cast<int>(std::lround(resolution / 0.0254));
  device.setDotsPerMeterX(dotsPerMeter);
  device.setDotsPerMeterY(dotsPerMeter);
  const QFontMetricsF metrics(printFont(QFont()), &device);
  const double width = portrait.paintRectPixels(resolution).width();
  return widest <= charactersAcross(metrics, width) ? QPageLayout::Portrait
                                                    : QPageLayout::Landscape;
}

void presetPageOrientation(QPrinter& printer, const TransitRecord& record,
                           const ResultText& lines) {
  printer.setPageOrientation(
      pageOrientationFor(printer.pageLayout(), printer.resolution(), record, lines));
}

}  // namespace kelvaro
