#include "print/dial_sheet.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "output/result_file.h"
#include "print/print_font.h"
#include "print/sheet_head.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"

namespace kelvaro {
namespace {

constexpr int kLargestListPoints = 9;
constexpr int kSmallestListPoints = 4;

// The heading of the list and its lines, one after the other.
ResultText listLines(const SearchResult& list) {
  ResultText lines;
  lines.reserve(list.heading.size() + 1 + list.lines.text().size(), list.lines.size() + 1);
  lines.push_back(list.heading);
  for (const std::string_view line : list.lines) lines.push_back(line);
  return lines;
}

// The largest size up to kLargestListPoints at which the widest line fits.
QFont fittedListFont(const QPaintDevice* device, const SearchResult& list, double width) {
  QFont font = printFont(QFont());
  font.setBold(false);
  const ResultText lines = listLines(list);
  for (int size = kLargestListPoints; size >= kSmallestListPoints; --size) {
    font.setPointSize(size);
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (const std::string_view line : lines) {
      widest = std::max(widest, metrics.horizontalAdvance(printedText(line)));
    }
    if (widest <= width) break;
  }
  return font;
}

}  // namespace

DialSheetContent dialSheetContent(const TransitRecord& record, double orb, int pointer,
                                  const std::array<bool, 4>& shownRings, DialSize dial) {
  return {record,     orb, pointer,
          shownRings, {},  angleSearch(record, orb, pointerAngle(pointer), std::nullopt, dial),
          dial,       {}};
}

DialSheet::DialSheet(DialSheetContent content, bool onePage)
    : content_(std::move(content)),
      onePage_(onePage),
      picture_(&content_.record, content_.shownRings, QSizeF(kSheetDialUnits, kSheetDialUnits),
               paperDialLook(), content_.dial) {}

int DialSheet::layOut(QPainter& painter, QSizeF body) {
  const QPaintDevice* device = painter.device();
  const QFontMetricsF title(sheetTitleFont(), device);
  const QFontMetricsF info(sheetInfoFont(), device);
  const QFontMetricsF pointer(pointerLineFont(), device);
  const QFontMetricsF legend(sheetLegendFont(), device);
  const double dialTop = title.lineSpacing() +
                         info.lineSpacing() * (1.6 + static_cast<double>(content_.persons.size()));
  dialSide_ = std::max(0.0, std::min(body.width(), body.height() / 2));
  listTop_ = dialTop + dialSide_ + info.lineSpacing() * 0.6 + pointer.lineSpacing() +
             legend.lineSpacing() * 1.6;

  listFont_ = fittedListFont(device, content_.pointerList, body.width());
  const QFontMetricsF list(listFont_, device);
  std::size_t rest = content_.pointerList.lines.size() + 1;
  const std::size_t onFirst = std::min(rest, linesFitting(body.height() - listTop_, list));
  perPage_.assign(1, onFirst);
  rest -= onFirst;
  if (onePage_) return 1;
  const std::size_t perPage = std::max<std::size_t>(1, linesFitting(body.height(), list));
  for (; rest > 0; rest -= std::min(rest, perPage)) perPage_.push_back(std::min(rest, perPage));
  return static_cast<int>(perPage_.size());
}

void DialSheet::paintPage(QPainter& painter, int page, const QRectF& body) {
  std::size_t first = 0;
  for (int k = 0; k < page; ++k) first += perPage_[static_cast<std::size_t>(k)];
  const std::size_t count = perPage_[static_cast<std::size_t>(page)];
  if (page > 0) return paintLines(painter, first, count, body.top(), body);
  paintHead(painter, body);
  paintLines(painter, 0, count, body.top() + listTop_, body);
}

void DialSheet::paintHead(QPainter& painter, const QRectF& body) const {
  const QPaintDevice* device = painter.device();
  const QFont titleFont = sheetTitleFont();
  const QFont infoFont = sheetInfoFont();
  const QFont legendFont = sheetLegendFont();
  const QFontMetricsF title(titleFont, device);
  const QFontMetricsF info(infoFont, device);
  const QFontMetricsF pointer(pointerLineFont(), device);
  const QFontMetricsF legend(legendFont, device);
  const TransitRecord& record = content_.record;
  double top = body.top();

  painter.setPen(Qt::black);
  painter.setFont(titleFont);
  painter.drawText(QPointF(body.left(), top + title.ascent()), sheetPersonName(record));
  top += title.lineSpacing();
  painter.setFont(infoFont);
  painter.drawText(QPointF(body.left(), top + info.ascent()), sheetTransitLine(record));
  for (const std::string& person : content_.persons) {
    top += info.lineSpacing();
    const QString line = printedText(person);
    painter.setFont(fontFittedTo(infoFont, line, body.width(), device));
    painter.drawText(QPointF(body.left(), top + info.ascent()), line);
  }
  top += info.lineSpacing() * 1.6;

  const QRectF dial((body.width() - dialSide_) / 2 + body.left(), top, dialSide_, dialSide_);
  paintSheetDial(painter, picture_, dial, content_.pointer, content_.orb, content_.marked);
  top += dialSide_ + info.lineSpacing() * 0.6;

  paintPointerLine(painter, body.left(), top, content_.pointer, content_.dial, content_.orb);
  top += pointer.lineSpacing();
  painter.setFont(legendFont);
  painter.drawText(QPointF(body.left(), top + legend.ascent()),
                   sheetRingLegend(content_.shownRings, record));
}

// Lines `first` … `first + count − 1` of the heading and the list; on a
// sheet of one page that cannot hold them all, the last one says how many
// are left out.
void DialSheet::paintLines(QPainter& painter, std::size_t first, std::size_t count, double top,
                           const QRectF& body) const {
  const QFontMetricsF metrics(listFont_, painter.device());
  const ResultText lines = listLines(content_.pointerList);
  const std::size_t left = lines.size() - std::min(lines.size(), first + count);
  painter.setFont(listFont_);
  painter.setPen(Qt::black);
  for (std::size_t k = first; k < first + count; ++k) {
    const bool last = k + 1 == first + count;
    const QString line = onePage_ && last && left > 0
                             ? QStringLiteral("… und %1 weitere Zeilen").arg(left + 1)
                             : printedText(lines[k]);
    painter.drawText(QPointF(body.left(), top + metrics.ascent()), line);
    top += metrics.lineSpacing();
  }
}

Printout dialSheetPrintout(DialSheetContent content, bool onePage) {
  Printout printout(printHeader(content.record));
  printout.add(std::make_unique<DialSheet>(std::move(content), onePage));
  return printout;
}

}  // namespace kelvaro
