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
constexpr std::size_t kKeywordLines = 3;  // at most, of one row

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

// `words` broken at blanks into lines of at most `width`, at most
// kKeywordLines of them; the last one shown ends in "…" where words are left.
QStringList keywordLines(const QString& words, const QFontMetricsF& metrics, double width) {
  QStringList lines;
  QString line;
  const QStringList parts = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (qsizetype k = 0; k < parts.size(); ++k) {
    const QString longer = line.isEmpty() ? parts[k] : line + QLatin1Char(' ') + parts[k];
    if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
      line = longer;
      continue;
    }
    if (static_cast<std::size_t>(lines.size()) + 1 == kKeywordLines) {
      line += QLatin1Char(' ') + parts.mid(k).join(QLatin1Char(' '));
      break;
    }
    lines << metrics.elidedText(line, Qt::ElideRight, width);
    line = parts[k];
  }
  lines << metrics.elidedText(line, Qt::ElideRight, width);
  return lines;
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

  const QFontMetricsF rows(tableFont(), device);
  const QFontMetricsF header(tableHeaderFont(), device);
  const double gap = rows.horizontalAdvance(QStringLiteral("MM"));
  double pictureWidth = header.horizontalAdvance(QStringLiteral("Planetenbild"));
  double deviationWidth = header.horizontalAdvance(QStringLiteral("Abweichung"));
  for (const PictureRow& row : content_.rows) {
    pictureWidth =
        std::max(pictureWidth, rows.horizontalAdvance(printedText(pictureText(row.picture))));
    deviationWidth =
        std::max(deviationWidth, rows.horizontalAdvance(printedText(deviationText(row.deviation))));
  }
  deviationRight_ = pictureWidth + gap + deviationWidth;
  keywordsLeft_ = deviationRight_ + gap;

  // The heading line, then the rows with their keyword lines; where they do
  // not all fit, the last line counts those left out.
  const std::size_t lines = linesFitting(body.height() - tableTop_, rows);
  const std::size_t room = lines > 0 ? lines - 1 : 0;
  const double keywordsWidth = std::max(0.0, body.width() - keywordsLeft_);
  keywordLines_.clear();
  std::size_t used = 0;
  for (const PictureRow& row : content_.rows) {
    QStringList wrapped = keywordLines(printedText(row.keywords), rows, keywordsWidth);
    const auto needed = static_cast<std::size_t>(wrapped.size());
    if (used + needed > room) break;
    used += needed;
    keywordLines_.push_back(std::move(wrapped));
  }
  while (keywordLines_.size() < content_.rows.size() && !keywordLines_.empty() && used + 1 > room) {
    used -= static_cast<std::size_t>(keywordLines_.back().size());
    keywordLines_.pop_back();
  }
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
                            const QStringList& keywords, const QFontMetricsF& metrics) {
    const double baseline = top + metrics.ascent();
    painter.drawText(QPointF(left, baseline), picture);
    painter.drawText(
        QPointF(left + deviationRight_ - metrics.horizontalAdvance(deviation), baseline),
        deviation);
    for (const QString& line : keywords) {
      painter.drawText(QPointF(left + keywordsLeft_, top + metrics.ascent()), line);
      top += rows.lineSpacing();
    }
  };
  const QFont bold = tableHeaderFont();
  painter.setFont(bold);
  paintRow(QStringLiteral("Planetenbild"), QStringLiteral("Abweichung"),
           {QStringLiteral("Stichworte")}, QFontMetricsF(bold, device));
  painter.setFont(font);
  for (std::size_t k = 0; k < keywordLines_.size(); ++k) {
    const PictureRow& row = content_.rows[k];
    paintRow(printedText(pictureText(row.picture)), printedText(deviationText(row.deviation)),
             keywordLines_[k], rows);
  }
  if (const std::size_t leftOut = content_.rows.size() - keywordLines_.size(); leftOut > 0) {
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
