#include "output/print.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/line_wrap.h"
#include "output/result_file.h"

namespace kelvaro {
namespace {

// QPrinter reports failures only as a state and as log messages; this
// collects the warnings logged while it lives, so that a failure can say
// what the system said. Every message still reaches the previous handler.
class SystemMessages {
 public:
  SystemMessages() : previous_(qInstallMessageHandler(&collect)) { current_ = this; }
  ~SystemMessages() {
    current_ = nullptr;
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
    SystemMessages* self = current_;
    if (self == nullptr) return;
    if (type != QtDebugMsg && type != QtInfoMsg) self->messages_ << message;
    if (self->previous_ != nullptr) self->previous_(type, context, message);
  }

  static inline SystemMessages* current_ = nullptr;
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

QFont printFont(QFont font) {
  font.setFamily("courier new");
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

// How many characters of the fixed-pitch print font fit across `width`.
std::size_t charactersAcross(const QFontMetricsF& metrics, double width) {
  const double advance = metrics.horizontalAdvance(QLatin1Char('M'));
  if (advance <= 0) return 0;
  return static_cast<std::size_t>(std::max(1.0, width / advance));
}

// Draws the lines one below the other, wide ones wrapped at the page edge,
// starting a new page when the next line would not fit on the current one.
std::optional<std::string> drawLines(QPainter& painter, QPrinter& printer, const ResultText& lines,
                                     const SystemMessages& system, double top = 0) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double pageHeight = painter.device()->height();
  const std::size_t width = charactersAcross(metrics, painter.device()->width());
  for (const std::string_view line : lines) {
    for (const std::string& piece : wrapLine(line, width)) {
      if (top > 0 && top + metrics.lineSpacing() > pageHeight) {
        if (!printer.newPage())
          return failure(printer, "Der Drucker kann keine neue Seite beginnen", system);
        top = 0;
      }
      painter.drawText(QPointF(0, top + metrics.ascent()), QString::fromStdString(piece));
      top += metrics.lineSpacing();
      if (auto error = stateFailure(printer, system)) return error;
    }
  }
  return std::nullopt;
}

// The largest point size up to `largest` at which the widest line fits the width.
QFont fittedFont(QFont font, const QPaintDevice& device, const ResultText& lines, double width,
                 int largest) {
  for (int size = largest; size > 4; --size) {
    font.setPointSize(size);
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (const std::string_view line : lines) {
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(
                                    line.data(), static_cast<qsizetype>(line.size()))));
    }
    if (widest <= width) break;
  }
  return font;
}

// Paints with `draw` on the printer, between the painter's begin and end,
// and returns the first failure with what the system said about it.
template <typename Draw>
std::optional<std::string> paintOn(QPrinter& printer, Draw draw) {
  SystemMessages system;
  QPainter painter;
  if (!painter.begin(&printer)) {
    addOutputFileReason(printer, system);
    return failure(printer, "Der Druck lässt sich nicht beginnen", system);
  }
  auto error = draw(painter, system);
  if (!painter.end() && !error)
    error = failure(printer, "Der Druck lässt sich nicht abschließen", system);
  if (!error) error = stateFailure(printer, system);
  return error;
}

}  // namespace

std::optional<std::string> printPictureWithLines(QPrinter& printer, const TransitRecord& record,
                                                 const QImage& picture, const ResultText& lines) {
  return paintOn(printer, [&](QPainter& painter, const SystemMessages& system) {
    const double width = painter.device()->width();
    QFont font = printFont(painter.font());
    painter.setFont(font);
    const QFontMetricsF header(font, painter.device());
    painter.drawText(QPointF(0, header.ascent()), QString::fromStdString(printHeader(record)));
    double top = header.lineSpacing() * 2;

    const double side = std::min(width, painter.device()->height() / 2.0 - top);
    if (!picture.isNull() && side > 0) {
      const QSizeF size = QSizeF(picture.size()).scaled(side, side, Qt::KeepAspectRatio);
      painter.drawImage(QRectF(QPointF((width - size.width()) / 2, top), size), picture);
      top += size.height() + header.lineSpacing();
    }
    painter.setFont(fittedFont(font, *painter.device(), lines, width, font.pointSize()));
    return drawLines(painter, printer, lines, system, top);
  });
}

std::optional<std::string> printResultList(QPrinter& printer, const TransitRecord& record,
                                           const ResultText& lines) {
  return paintOn(printer, [&](QPainter& painter, const SystemMessages& system) {
    painter.setFont(printFont(painter.font()));
    return drawLines(painter, printer, printedLines(record, lines), system);
  });
}

void presetPageOrientation(QPrinter& printer, const TransitRecord& record,
                           const ResultText& lines) {
  std::size_t widest = 0;
  for (const std::string_view line : printedLines(record, lines)) {
    widest = std::max(widest, utf8Length(line));
  }
  QPageLayout portrait = printer.pageLayout();
  portrait.setOrientation(QPageLayout::Portrait);
  const QFontMetricsF metrics(printFont(QFont()), &printer);
  const double width = portrait.paintRectPixels(printer.resolution()).width();
  const bool fits = widest <= charactersAcross(metrics, width);
  printer.setPageOrientation(fits ? QPageLayout::Portrait : QPageLayout::Landscape);
}

}  // namespace kelvaro
