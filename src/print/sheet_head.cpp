#include "print/sheet_head.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include "core/pair_texts.h"
#include "loading/orb_entry.h"
#include "print/print_font.h"
#include "print/program_fonts.h"
#include "search/dial_pointer.h"

namespace kelvaro {
namespace {

constexpr std::array<const char*, 3> kRingNames = {"r Radix", "p Progression", "s Solarbogen"};

}  // namespace

QColor sheetAccent() { return {178, 34, 34}; }

QFont sheetTitleFont() { return sheetFont(16, true); }
QFont sheetInfoFont() { return sheetFont(11, false); }
QFont sheetLegendFont() { return sheetFont(10, false); }

DialLook paperDialLook() {
  QFont names;
  names.setFamilies(proportionalFamilies());
  names.setStyleHint(QFont::SansSerif);
  names.setPixelSize(11);
  names.setBold(true);
  QFont numbers = names;
  numbers.setPixelSize(12);
  return {{QColor(), Qt::black, Qt::black, Qt::black, sheetAccent(), Qt::white}, names, numbers};
}

QString sheetPersonName(const TransitRecord& record) {
  if (record.firstName().empty()) return printedText(record.surname());
  return printedText(record.surname() + ", " + record.firstName());
}

QString sheetTransitLine(const TransitRecord& record) {
  const std::string moment = record.date() + ", " + record.time() + ", " + record.place();
  if (const auto partner = comparisonPartner(record)) {
    return printedText("p und s zum " + moment + "; t: Radix " + *partner);
  }
  return QStringLiteral("Transit: ") + printedText(moment);
}

QString sheetRingLegend(const std::array<bool, 4>& shown, const TransitRecord& record) {
  QStringList rings;
  for (std::size_t ring = 0; ring < kRingNames.size(); ++ring) {
    if (shown[ring]) rings << QString::fromLatin1(kRingNames[ring]);
  }
  if (shown[3]) rings << printedText("t " + transitRingName(record));
  if (rings.isEmpty()) return QStringLiteral("Keine Ringe gezeigt");
  return QStringLiteral("Ringe von innen nach außen: ") + rings.join(QStringLiteral(", "));
}

QFont fontFittedTo(QFont font, const QString& text, double width, const QPaintDevice* device) {
  const double wide = QFontMetricsF(font, device).horizontalAdvance(text);
  if (wide > width && wide > 0) font.setPointSizeF(font.pointSizeF() * width / wide);
  return font;
}

void paintSheetDial(QPainter& painter, const DialPicture& picture, const QRectF& square,
                    int pointer, double orb, std::span<const FactorVariant> marked) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(square.center());
  painter.scale(square.width() / kSheetDialUnits, square.height() / kSheetDialUnits);
  picture.paintFixed(painter);
  picture.paintPointer(painter, pointer, orb);
  picture.paintHighlights(painter, pointer, orb, marked);
  painter.restore();
}

QFont pointerLineFont() { return sheetFont(12, true); }

void paintPointerLine(QPainter& painter, double left, double top, int pointer, DialSize dial,
                      double orb) {
  const QFont font = pointerLineFont();
  const QFontMetricsF metrics(font, painter.device());
  const std::string pointerWords =
      dial.isStandard() ? pointerText(pointer) : dial.label() + "    " + pointerText(pointer, dial);
  const QString pointerLine = printedText(pointerWords);
  painter.save();
  painter.setFont(font);
  painter.setPen(sheetAccent());
  painter.drawText(QPointF(left, top + metrics.ascent()), pointerLine);
  painter.setPen(Qt::black);
  const double orbLeft = left + metrics.horizontalAdvance(pointerLine + QStringLiteral("    "));
  painter.drawText(QPointF(orbLeft, top + metrics.ascent()), printedText(orbLabelText(orb)));
  painter.restore();
}

std::size_t linesFitting(double height, const QFontMetricsF& metrics) {
  return static_cast<std::size_t>(std::max(0.0, std::floor(height / metrics.lineSpacing() + 1e-9)));
}

}  // namespace kelvaro
