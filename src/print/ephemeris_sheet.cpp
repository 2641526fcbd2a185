#include "print/ephemeris_sheet.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "chart/ephemeris.h"
#include "loading/orb_entry.h"
#include "print/print_font.h"
#include "timing/timeline.h"

namespace kelvaro {
namespace {

std::string personText(const chart::BirthData& birth) {
  return birth.firstName.empty() ? birth.name : birth.name + ", " + birth.firstName;
}

// "Geburt: 05.03.1970 14:30 (Europe/Berlin) in Köln, 50°56' N 06°57' O"
std::string birthText(const chart::BirthData& birth, const std::string& place) {
  const chart::LocalTime local = birth.zone.toLocal(birth.moment);
  std::string line = "Geburt: " + chart::dateText(local.date) + " " +
                     chart::minuteText(local.time) + " (" + birth.zone.name() + ")";
  if (!place.empty()) line += " in " + place;
  return line + ", " + chart::latitudeText(birth.latitude) + " " +
         chart::longitudeText(birth.longitude);
}

std::string rangeText(const timing::CalendarRequest& request) {
  std::string text = "Zeitraum: " + chart::dateText(request.from) + " bis " +
                     chart::dateText(request.to) + ", Zeiten in " + request.zone.name() +
                     "; bewegt: " + moversText(request.movers);
  if (request.orb) text += "; " + orbLabelText(*request.orb) + " (S und P)";
  return text;
}

// "; gezeigt: 01.03.2031 bis 30.04.2031" where the picture shows less than
// the range; the days in the zone of the range.
std::string shownText(const EphemerisSheetContent& content) {
  const auto& layout = content.layout;
  constexpr double kMinute = 1.0 / 1440;
  if (content.shownFrom <= layout.from + kMinute && content.shownTo >= layout.to - kMinute) {
    return {};
  }
  const chart::TimeZone& zone = content.request.zone;
  const auto day = [&zone](double julianDay) {
    return chart::dateText(zone.toLocal(chart::utMoment(julianDay)).date);
  };
  return "; gezeigt: " + day(content.shownFrom) + " bis " + day(content.shownTo);
}

}  // namespace

EphemerisSheetContent ephemerisSheetContent(chart::BirthData birth, std::string place,
                                            timing::CalendarRequest request,
                                            const timing::Timeline& timeline) {
  const timing::Movers movers(birth);
  timing::EphemerisLayout layout = timing::ephemerisLayout(movers, request, timeline);
  const double from = layout.from;
  const double to = layout.to;
  return {std::move(birth), std::move(place), std::move(request), std::move(layout), from, to};
}

EphemerisSheetContent EphemerisSheetContent::showing(double from, double to) const {
  EphemerisSheetContent shown = *this;
  shown.shownFrom = std::clamp(from, layout.from, layout.to);
  shown.shownTo = std::clamp(to, shown.shownFrom, layout.to);
  if (shown.shownTo <= shown.shownFrom) {
    shown.shownFrom = layout.from;
    shown.shownTo = layout.to;
  }
  return shown;
}

std::string moversText(const timing::MoverChoice& movers) {
  std::string names;
  const auto add = [&names](bool shown, const char* name) {
    if (!shown) return;
    if (!names.empty()) names += ", ";
    names += name;
  };
  add(movers.solarArc, "Solarbogen (s)");
  add(movers.progressed, "Progression (p)");
  add(movers.transit, "Transite (t)");
  return names;
}

EphemerisSheet::EphemerisSheet(EphemerisSheetContent content)
    : content_(std::move(content)),
      picture_(&content_.layout, content_.request.zone, sheetFont(7, false)) {}

int EphemerisSheet::layOut(QPainter&, QSizeF) { return 1; }

void EphemerisSheet::paintPage(QPainter& painter, int, const QRectF& body) {
  const double top = paintHead(painter, body);
  const QFontMetricsF legend(sheetFont(9, false), painter.device());
  const QRectF area(body.left(), top, body.width(),
                    body.bottom() - top - legend.lineSpacing() * 1.5);
  picture_.paint(painter,
                 picture_.viewIn(painter.device(), area, content_.shownFrom, content_.shownTo));
  paintLegend(painter, QPointF(body.left(), body.bottom() - legend.descent()));
}

double EphemerisSheet::paintHead(QPainter& painter, const QRectF& body) const {
  const QFont titleFont = sheetFont(16, true);
  const QFont infoFont = sheetFont(10, false);
  const QFontMetricsF title(titleFont, painter.device());
  const QFontMetricsF info(infoFont, painter.device());
  double top = body.top();
  painter.setPen(Qt::black);
  painter.setFont(titleFont);
  painter.drawText(
      QPointF(body.left(), top + title.ascent()),
      QStringLiteral("Grafische Ephemeride: ") + printedText(personText(content_.birth)));
  top += title.lineSpacing();
  painter.setFont(infoFont);
  for (const std::string& line : {birthText(content_.birth, content_.place),
                                  rangeText(content_.request) + shownText(content_)}) {
    painter.drawText(QPointF(body.left(), top + info.ascent()), printedText(line));
    top += info.lineSpacing();
  }
  return top + info.lineSpacing() * 0.5;
}

// Coloured strokes for the kinds of movers, a dashed one for going back,
// a dot for a hit and a grey stroke for the radix points.
void EphemerisSheet::paintLegend(QPainter& painter, QPointF at) const {
  const QFont font = sheetFont(9, false);
  const QFontMetricsF metrics(font, painter.device());
  const double stroke = metrics.averageCharWidth() * 3;
  const double gap = metrics.averageCharWidth() * 2;
  const double middle = at.y() - metrics.ascent() / 3;
  const double width = std::max(1.0, metrics.height() / 8);
  painter.save();
  painter.setFont(font);
  painter.setRenderHint(QPainter::Antialiasing);
  double x = at.x();
  const auto entry = [&](const QPen& pen, bool dot, const QString& name) {
    painter.setPen(pen);
    if (dot) {
      painter.setBrush(pen.color());
      painter.drawEllipse(QPointF(x + stroke / 2, middle), metrics.height() / 5,
                          metrics.height() / 5);
      painter.setBrush(Qt::NoBrush);
    } else {
      painter.drawLine(QPointF(x, middle), QPointF(x + stroke, middle));
    }
    x += stroke + metrics.averageCharWidth();
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, at.y()), name);
    x += metrics.horizontalAdvance(name) + gap;
  };
  for (const timing::MoverKind kind : timing::kMoverKinds) {
    if (!content_.request.movers.includes(kind)) continue;
    static constexpr const char* kNames[] = {"Solarbogen (s)", "Progression (p)", "Transit (t)"};
    entry(QPen(moverColour(kind), width * 1.3), false,
          QString::fromUtf8(kNames[static_cast<int>(kind)]));
  }
  entry(QPen(Qt::black, width * 1.3, Qt::DashLine), false, QStringLiteral("rückläufig"));
  entry(QPen(QColor(150, 150, 150), width), false, QStringLiteral("Radixpunkt oder Halbsumme"));
  entry(QPen(Qt::black, width), true, QStringLiteral("Auslösung (eine Zeile der Liste)"));
  painter.restore();
}

Printout ephemerisPrintout(EphemerisSheetContent content) {
  Printout printout(timing::timelineTitle(content.birth, content.request));
  printout.add(std::make_unique<EphemerisSheet>(std::move(content)));
  return printout;
}

QPageLayout ephemerisPageLayout() { return printoutPageLayout(QPageLayout::Landscape); }

}  // namespace kelvaro
