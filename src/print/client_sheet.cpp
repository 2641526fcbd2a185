#include "print/client_sheet.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "core/picture.h"
#include "output/result_file.h"
#include "print/print_font.h"
#include "print/sheet_head.h"

namespace kelvaro {
namespace {

constexpr double kDialShare = 0.4;  // of the body's height
constexpr double kTablePoints = 9;

QFont tableFont() { return sheetFont(kTablePoints, false); }
QFont tableHeaderFont() { return sheetFont(kTablePoints, true); }

QString noBirths() { return QStringLiteral("Geburtsdaten: nicht im Personenarchiv"); }

// The height of everything above the dial: the title, the births and the
// transit, then a gap.
double aboveDial(const ClientSheetContent& content, const QPaintDevice* device) {
  const QFontMetricsF title(sheetTitleFont(), device);
  const QFontMetricsF info(sheetInfoFont(), device);
  const double births = static_cast<double>(std::max<std::size_t>(1, content.persons.size()));
  return title.lineSpacing() + info.lineSpacing() * (births + 1.6);
}

// The height from the dial's foot to the table: a gap, the pointer's line,
// the legend of the rings and a gap.
double belowDial(const QPaintDevice* device) {
  const QFontMetricsF info(sheetInfoFont(), device);
  const QFontMetricsF pointer(pointerLineFont(), device);
  const QFontMetricsF legend(sheetLegendFont(), device);
  return info.lineSpacing() * 0.6 + pointer.lineSpacing() + legend.lineSpacing() * 1.8;
}

}  // namespace

ClientSheet::ClientSheet(ClientSheetContent content)
    : content_(std::move(content)),
      picture_(&content_.record, content_.shownRings, QSizeF(kSheetDialUnits, kSheetDialUnits),
               paperDialLook(), content_.dial) {}

int ClientSheet::layOut(QPainter& painter, QSizeF body) {
  const QPaintDevice* device = painter.device();
  dialSide_ = std::max(0.0, std::min(body.width(), body.height() * kDialShare));
  tableTop_ = aboveDial(content_, device) + dialSide_ + belowDial(device);

  // The heading line, then the rows; where they do not all fit, the last
  // line counts those left out.
  const QFontMetricsF rows(tableFont(), device);
  const std::size_t lines = linesFitting(body.height() - tableTop_, rows);
  const std::size_t total = content_.rows.size();
  const std::size_t room = lines > 0 ? lines - 1 : 0;
  shownRows_ = total <= room ? total : (room > 0 ? room - 1 : 0);

  const QFontMetricsF header(tableHeaderFont(), device);
  const double gap = rows.horizontalAdvance(QStringLiteral("MM"));
  double pictureWidth = header.horizontalAdvance(QStringLiteral("Planetenbild"));
  double deviationWidth = header.horizontalAdvance(QStringLiteral("Abweichung"));
  for (std::size_t k = 0; k < shownRows_; ++k) {
    const PictureRow& row = content_.rows[k];
    pictureWidth =
        std::max(pictureWidth, rows.horizontalAdvance(printedText(pictureText(row.picture))));
    deviationWidth =
        std::max(deviationWidth, rows.horizontalAdvance(printedText(deviationText(row.deviation))));
  }
  deviationRight_ = pictureWidth + gap + deviationWidth;
  keywordsLeft_ = deviationRight_ + gap;
  return 1;
}

void ClientSheet::paintPage(QPainter& painter, int /*page*/, const QRectF& body) {
  paintHead(painter, body);
  paintTable(painter, body);
}

void ClientSheet::paintHead(QPainter& painter, const QRectF& body) const {
  const QPaintDevice* device = painter.device();
  const QFontMetricsF title(sheetTitleFont(), device);
  const QFontMetricsF info(sheetInfoFont(), device);
  const QFontMetricsF pointer(pointerLineFont(), device);
  const QFontMetricsF legend(sheetLegendFont(), device);
  const TransitRecord& record = content_.record;
  const double left = body.left();
  double top = body.top();

  painter.setPen(Qt::black);
  painter.setFont(sheetTitleFont());
  painter.drawText(QPointF(left, top + title.ascent()), sheetPersonName(record));
  top += title.lineSpacing();
  QStringList lines;
  for (const std::string& person : content_.persons) lines << printedText(person);
  if (lines.isEmpty()) lines << noBirths();
  lines << sheetTransitLine(record);
  for (const QString& line : lines) {
    painter.setFont(fontFittedTo(sheetInfoFont(), line, body.width(), device));
    painter.drawText(QPointF(left, top + info.ascent()), line);
    top += info.lineSpacing();
  }
  top += info.lineSpacing() * 0.6;

  const QRectF dial((body.width() - dialSide_) / 2 + left, top, dialSide_, dialSide_);
  paintSheetDial(painter, picture_, dial, content_.pointer, content_.orb);
  top += dialSide_ + info.lineSpacing() * 0.6;

  paintPointerLine(painter, left, top, content_.pointer, content_.dial, content_.orb);
  top += pointer.lineSpacing();
  painter.setFont(sheetLegendFont());
  painter.drawText(QPointF(left, top + legend.ascent()),
                   sheetRingLegend(content_.shownRings, record));
}

void ClientSheet::paintTable(QPainter& painter, const QRectF& body) const {
  const QPaintDevice* device = painter.device();
  const QFont font = tableFont();
  const QFontMetricsF rows(font, device);
  const double left = body.left();
  double top = body.top() + tableTop_;
  painter.setPen(Qt::black);
  if (content_.rows.empty()) {
    painter.setFont(font);
    painter.drawText(QPointF(left, top + rows.ascent()),
                     QStringLiteral("Keine Planetenbilder ausgewählt."));
    return;
  }

  const auto paintRow = [&](const QString& picture, const QString& deviation,
                            const QString& keywords, const QFontMetricsF& metrics) {
    const double baseline = top + metrics.ascent();
    painter.drawText(QPointF(left, baseline), picture);
    painter.drawText(
        QPointF(left + deviationRight_ - metrics.horizontalAdvance(deviation), baseline),
        deviation);
    const double room = std::max(0.0, body.width() - keywordsLeft_);
    painter.drawText(QPointF(left + keywordsLeft_, baseline),
                     metrics.elidedText(keywords, Qt::ElideRight, room));
    top += rows.lineSpacing();
  };
  const QFont bold = tableHeaderFont();
  painter.setFont(bold);
  paintRow(QStringLiteral("Planetenbild"), QStringLiteral("Abweichung"),
           QStringLiteral("Stichworte"), QFontMetricsF(bold, device));
  painter.setFont(font);
  for (std::size_t k = 0; k < shownRows_; ++k) {
    const PictureRow& row = content_.rows[k];
    paintRow(printedText(pictureText(row.picture)), printedText(deviationText(row.deviation)),
             printedText(row.keywords), rows);
  }
  if (const std::size_t leftOut = content_.rows.size() - shownRows_; leftOut > 0) {
    painter.drawText(
        QPointF(left, top + rows.ascent()),
        QStringLiteral("… und %1 weitere Planetenbilder (nicht gezeigt)").arg(leftOut));
  }
}

Printout clientSheetPrintout(ClientSheetContent content) {
  Printout printout(printHeader(content.record));
  printout.add(std::make_unique<ClientSheet>(std::move(content)));
  return printout;
}

}  // namespace kelvaro
