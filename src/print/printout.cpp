#include "print/printout.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <functional>

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>
#ifdef KELVARO_HAVE_SVG
#include <QSvgGenerator>
#endif

#include "core/system_error_text.h"
#include "print/print_font.h"

namespace kelvaro {
namespace {

constexpr int kPictureResolution = 300;  // the PNG of a page
constexpr int kSvgResolution = 96;       // CSS pixels

// QPrinter reports failures only as a state and as log messages; this
// collects the warnings logged while it lives, so that a failure can say
// what the system said. Every message still reaches the previous handler.
class SystemMessages {
 public:
  SystemMessages() : previous_(qInstallMessageHandler(&collect)) { active = this; }
  ~SystemMessages() {
    active = nullptr;
    qInstallMessageHandler(previous_);
  }
  SystemMessages(const SystemMessages&) = delete;
  SystemMessages& operator=(const SystemMessages&) = delete;

  void add(const QString& message) { messages_ << message; }

  std::string text() const {
    if (messages_.isEmpty()) return "Das System nennt keinen Grund.";
    return "Das System meldet: " + messages_.join("; ").toStdString();
  }

 private:
  static void collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    SystemMessages* self = active;
    if (self == nullptr) return;
    if (type != QtDebugMsg && type != QtInfoMsg) self->messages_ << message;
    if (self->previous_ != nullptr) self->previous_(type, context, message);
  }

  static inline SystemMessages* active = nullptr;
  QtMessageHandler previous_;
  QStringList messages_;
};

std::string printerText(const QPrinter& printer) {
  const QString target =
      printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
  return target.toStdString();
}

// Why a printer that writes into a file could not begin: Qt does not say,
// but opening the file as its print engine does gives the system's reason.
void addOutputFileReason(const QPrinter& printer, SystemMessages& system) {
  if (printer.outputFileName().isEmpty()) return;
  std::FILE* file = std::fopen(QFile::encodeName(printer.outputFileName()).constData(), "wb");
  if (file == nullptr) {
    system.add(QString::fromStdString(systemErrorText(errno)));
    return;
  }
  std::fclose(file);
}

std::string failure(const QPrinter& printer, const std::string& what,
                    const SystemMessages& system) {
  return what + " (" + printerText(printer) + ").\r" + system.text();
}

// Failure states the printer reached on its own (a job that failed or was
// aborted while pages were sent).
std::optional<std::string> stateFailure(const QPrinter& printer, const SystemMessages& system) {
  switch (printer.printerState()) {
    case QPrinter::Error:
      return failure(printer, "Der Drucker meldet einen Fehler", system);
    case QPrinter::Aborted:
      return failure(printer, "Der Druckauftrag wurde abgebrochen", system);
    default:
      return std::nullopt;
  }
}

// What every page shows around its body: on its second line, between
// blank lines, the header; on its last line, after a blank one, "Seite n
// von m", both in the print font at the device's size.
class PageFrame {
 public:
  PageFrame(const QPainter& painter, QSizeF page)
      : font_(printFont(painter.font())), metrics_(font_, painter.device()), page_(page) {}

  QRectF body() const {
    const double line = metrics_.lineSpacing();
    return {0, 3 * line, page_.width(), std::max(line, page_.height() - 5 * line)};
  }

  void paint(QPainter& painter, const std::string& header, int number, int count) const {
    const double line = metrics_.lineSpacing();
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, line + metrics_.ascent()), QString::fromStdString(header));
    const QString foot = QStringLiteral("Seite %1 von %2").arg(number).arg(count);
    const double left = (page_.width() - metrics_.horizontalAdvance(foot)) / 2;
    painter.drawText(QPointF(std::max(0.0, left), page_.height() - line + metrics_.ascent()), foot);
    painter.restore();
  }

 private:
  QFont font_;
  QFontMetricsF metrics_;
  QSizeF page_;
};

// Paints the printout page by page onto `painter`, whose pages are `page`
// large: `newPage` begins each page after the first and says why it could
// not, `check` is asked after each page for a failure of the device. With
// `firstOnly` the first page alone is painted (a picture of it).
std::optional<std::string> paintPages(QPainter& painter, QSizeF page, Printout& printout,
                                      const std::function<std::optional<std::string>()>& newPage,
                                      const std::function<std::optional<std::string>()>& check,
                                      bool firstOnly) {
  const PageFrame frame(painter, page);
  const QRectF body = frame.body();
  std::vector<int> counts;
  int total = 0;
  for (const auto& source : printout.sources()) {
    counts.push_back(std::max(1, source->layOut(painter, body.size())));
    total += counts.back();
  }
  if (firstOnly) total = std::min(total, 1);
  int number = 0;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    for (int sourcePage = 0; sourcePage < counts[k]; ++sourcePage) {
      if (number == total) return std::nullopt;
      if (number > 0) {
        if (auto error = newPage()) return error;
      }
      frame.paint(painter, printout.header(), ++number, total);
      painter.save();
      printout.sources()[k]->paintPage(painter, sourcePage, body);
      painter.restore();
      if (auto error = check()) return error;
    }
  }
  return std::nullopt;
}

std::optional<std::string> noFailure() { return std::nullopt; }

QByteArray pdfBytes(Printout& printout, const QPageLayout& layout) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setCreator(QStringLiteral("Kelvaro"));
  writer.setTitle(QString::fromStdString(printout.header()));
  writer.setResolution(kPrintoutResolution);
  writer.setPageLayout(layout);
  QPainter painter;
  if (!painter.begin(&writer)) return {};
  const QSizeF page(writer.width(), writer.height());
  const auto error = paintPages(
      painter, page, printout,
      [&]() -> std::optional<std::string> {
        if (writer.newPage()) return std::nullopt;
        return "";
      },
      noFailure, false);
  if (!painter.end() || error) return {};
  return bytes;
}

// A rectangle of the page in pixels at `resolution`, rounded to the nearest.
QRect pixels(const QRectF& millimetres, int resolution) {
  const double scale = resolution / 25.4;
  return {QPoint(qRound(millimetres.left() * scale), qRound(millimetres.top() * scale)),
          QSize(qRound(millimetres.width() * scale), qRound(millimetres.height() * scale))};
}

QRect paperPixels(const QPageLayout& layout, int resolution) {
  return pixels(layout.fullRect(QPageLayout::Millimeter), resolution);
}

// The first page on a white picture of the whole sheet at `resolution`:
// `device` is the picture (QImage or QSvgGenerator).
template <typename Device>
void paintFirstPage(Device& device, Printout& printout, const QPageLayout& layout, int resolution) {
  const QRect inside = pixels(layout.paintRect(QPageLayout::Millimeter), resolution);
  QPainter painter(&device);
  painter.fillRect(paperPixels(layout, resolution), Qt::white);
  painter.translate(inside.topLeft());
  paintPages(
      painter, inside.size(), printout, [] { return std::optional<std::string>(); }, noFailure,
      true);
}

QByteArray pngBytes(Printout& printout, const QPageLayout& layout) {
  const QRect paper = paperPixels(layout, kPictureResolution);
  QImage image(paper.size(), QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(kPictureResolution / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  paintFirstPage(image, printout, layout, kPictureResolution);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {};
  return bytes;
}

#ifdef KELVARO_HAVE_SVG
QByteArray svgBytes(Printout& printout, const QPageLayout& layout) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QRect paper = paperPixels(layout, kSvgResolution);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kSvgResolution);
  svg.setSize(paper.size());
  svg.setViewBox(paper);
  svg.setTitle(QString::fromStdString(printout.header()));
  paintFirstPage(svg, printout, layout, kSvgResolution);
  return bytes;
}
#endif

}  // namespace

QPageLayout printoutPageLayout(QPageLayout::Orientation orientation) {
  return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Point);
}

std::optional<std::string> printPages(QPrinter& printer, Printout& printout) {
  SystemMessages system;
  QPainter painter;
  if (!painter.begin(&printer)) {
    addOutputFileReason(printer, system);
    return failure(printer, "Der Druck lässt sich nicht beginnen", system);
  }
  const QSizeF page(printer.width(), printer.height());
  auto error = paintPages(
      painter, page, printout,
      [&]() -> std::optional<std::string> {
        if (printer.newPage()) return std::nullopt;
        return failure(printer, "Der Drucker kann keine neue Seite beginnen", system);
      },
      [&] { return stateFailure(printer, system); }, false);
  if (!painter.end() && !error)
    error = failure(printer, "Der Druck lässt sich nicht abschließen", system);
  if (!error) error = stateFailure(printer, system);
  return error;
}

bool writesSvg() {
#ifdef KELVARO_HAVE_SVG
  return true;
#else
  return false;
#endif
}

Checked<std::string> printoutFile(Printout& printout, PageFormat format,
                                  const QPageLayout& layout) {
  QByteArray bytes;
  switch (format) {
    case PageFormat::pdf:
      bytes = pdfBytes(printout, layout);
      break;
    case PageFormat::png:
      bytes = pngBytes(printout, layout);
      break;
    case PageFormat::svg:
#ifdef KELVARO_HAVE_SVG
      bytes = svgBytes(printout, layout);
      break;
#else
      return Rejection{
          "Diese Ausgabe von Kelvaro schreibt keine SVG-Dateien; bitte PNG oder PDF "
          "wählen."};
#endif
  }
  if (bytes.isEmpty()) return Rejection{"Die Seiten lassen sich nicht zusammenstellen."};
  return bytes.toStdString();
}

}  // namespace kelvaro
