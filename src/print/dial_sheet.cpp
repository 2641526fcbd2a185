#include "print/dial_sheet.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "core/pair_texts.h"
#include "loading/orb_entry.h"
#include "output/result_file.h"
#include "print/print_font.h"
#include "print/program_fonts.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"

namespace kelvaro {
namespace {

// The dial is laid out in these units, then scaled to its place on the page.
constexpr double kDialUnits = 640;
const QColor kAccent(178, 34, 34);  // a dark red, for the pointer and what it finds
constexpr int kLargestListPoints = 9;
constexpr int kSmallestListPoints = 4;

constexpr std::array<const char*, 3> kRingNames = {"r Radix", "p Progression", "s Solarbogen"};

// Fonts in the dial's own units, which the page's scale turns into sizes.
DialLook paperLook() {
  QFont names;
  names.setFamilies(proportionalFamilies());
  names.setStyleHint(QFont::SansSerif);
  names.setPixelSize(11);
  names.setBold(true);
  QFont numbers = names;
  numbers.setPixelSize(12);
  return {{QColor(), Qt::black, Qt::black, Qt::black, kAccent, Qt::white}, names, numbers};
}

QString personText(const TransitRecord& record) {
  if (record.firstName().empty()) return printedText(record.surname());
  return printedText(record.surname() + ", " + record.firstName());
}

// The moment of the record; in a comparison it is the date of A's p and s,
// and t is the partner's radix.
QString transitText(const TransitRecord& record) {
  const std::string moment = record.date() + ", " + record.time() + ", " + record.place();
  if (const auto partner = comparisonPartner(record)) {
    return printedText("p und s zum " + moment + "; t: Radix " + *partner);
  }
  return QStringLiteral("Transit: ") + printedText(moment);
}

QString ringLegend(const std::array<bool, 4>& shown, const TransitRecord& record) {
  QStringList rings;
  for (std::size_t ring = 0; ring < kRingNames.size(); ++ring) {
    if (shown[ring]) rings << QString::fromLatin1(kRingNames[ring]);
  }
  if (shown[3]) rings << printedText("t " + transitRingName(record));
  if (rings.isEmpty()) return QStringLiteral("Keine Ringe gezeigt");
  return QStringLiteral("Ringe von innen nach außen: ") + rings.join(QStringLiteral(", "));
}

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

// `font`, made smaller where `text` would be wider than `width`.
QFont fittedFont(QFont font, const QString& text, double width, const QPaintDevice* device) {
  const double wide = QFontMetricsF(font, device).horizontalAdvance(text);
  if (wide > width && wide > 0) font.setPointSizeF(font.pointSizeF() * width / wide);
  return font;
}

std::size_t linesIn(double height, const QFontMetricsF& metrics) {
  return static_cast<std::size_t>(std::max(0.0, std::floor(height / metrics.lineSpacing() + 1e-9)));
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
      picture_(&content_.record, content_.shownRings, QSizeF(kDialUnits, kDialUnits), paperLook(),
               content_.dial) {}

int DialSheet::layOut(QPainter& painter, QSizeF body) {
  const QPaintDevice* device = painter.device();
  const QFontMetricsF title(sheetFont(16, true), device);
  const QFontMetricsF info(sheetFont(11, false), device);
  const QFontMetricsF pointer(sheetFont(12, true), device);
  const QFontMetricsF legend(sheetFont(10, false), device);
  const double dialTop = title.lineSpacing() +
                         info.lineSpacing() * (1.6 + static_cast<double>(content_.persons.size()));
  dialSide_ = std::max(0.0, std::min(body.width(), body.height() / 2));
  listTop_ = dialTop + dialSide_ + info.lineSpacing() * 0.6 + pointer.lineSpacing() +
             legend.lineSpacing() * 1.6;

  listFont_ = fittedListFont(device, content_.pointerList, body.width());
  const QFontMetricsF list(listFont_, device);
  std::size_t rest = content_.pointerList.lines.size() + 1;
  const std::size_t onFirst = std::min(rest, linesIn(body.height() - listTop_, list));
  perPage_.assign(1, onFirst);
  rest -= onFirst;
  if (onePage_) return 1;
  const std::size_t perPage = std::max<std::size_t>(1, linesIn(body.height(), list));
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
  const QFont titleFont = sheetFont(16, true);
  const QFont infoFont = sheetFont(11, false);
  const QFont pointerFont = sheetFont(12, true);
  const QFont legendFont = sheetFont(10, false);
  const QFontMetricsF title(titleFont, device);
  const QFontMetricsF info(infoFont, device);
  const QFontMetricsF pointer(pointerFont, device);
  const QFontMetricsF legend(legendFont, device);
  const TransitRecord& record = content_.record;
  double top = body.top();

  painter.setPen(Qt::black);
  painter.setFont(titleFont);
  painter.drawText(QPointF(body.left(), top + title.ascent()), personText(record));
  top += title.lineSpacing();
  painter.setFont(infoFont);
  painter.drawText(QPointF(body.left(), top + info.ascent()), transitText(record));
  for (const std::string& person : content_.persons) {
    top += info.lineSpacing();
    const QString line = printedText(person);
    painter.setFont(fittedFont(infoFont, line, body.width(), device));
    painter.drawText(QPointF(body.left(), top + info.ascent()), line);
  }
  top += info.lineSpacing() * 1.6;

  const QRectF dial((body.width() - dialSide_) / 2 + body.left(), top, dialSide_, dialSide_);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(dial.center());
  painter.scale(dialSide_ / kDialUnits, dialSide_ / kDialUnits);
  picture_.paintFixed(painter);
  picture_.paintPointer(painter, content_.pointer, content_.orb);
  picture_.paintHighlights(painter, content_.pointer, content_.orb, content_.marked);
  painter.restore();
  top += dialSide_ + info.lineSpacing() * 0.6;

  const DialSize dialSize = content_.dial;
  const std::string pointerWords =
      dialSize.isStandard() ? pointerText(content_.pointer)
                            : dialSize.label() + "    " + pointerText(content_.pointer, dialSize);
  const QString pointerLine = printedText(pointerWords);
  painter.setFont(pointerFont);
  painter.setPen(kAccent);
  painter.drawText(QPointF(body.left(), top + pointer.ascent()), pointerLine);
  painter.setPen(Qt::black);
  const double orbLeft =
      body.left() + pointer.horizontalAdvance(pointerLine + QStringLiteral("    "));
  painter.drawText(QPointF(orbLeft, top + pointer.ascent()),
                   printedText(orbLabelText(content_.orb)));
  top += pointer.lineSpacing();
  painter.setFont(legendFont);
  painter.drawText(QPointF(body.left(), top + legend.ascent()),
                   ringLegend(content_.shownRings, record));
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
