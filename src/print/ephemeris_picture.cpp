#include "print/ephemeris_picture.h"

#include <algorithm>
#include <vector>

#include <QFontMetricsF>
#include <QPainter>

#include <QPolygonF>
#include "print/print_font.h"

namespace kelvaro {
namespace {

const QColor kGridColour(225, 225, 225);
const QColor kScaleColour(90, 90, 90);
const QColor kRadixColour(150, 150, 150);
const QColor kTodayColour(230, 120, 0);

// The first point of a stretch at or after a moment.
std::size_t firstFrom(const std::vector<timing::CurvePoint>& points, double julianDay) {
  return static_cast<std::size_t>(
      std::lower_bound(points.begin(), points.end(), julianDay,
                       [](const timing::CurvePoint& p, double t) { return p.julianDay < t; }) -
      points.begin());
}

double lineWidth(const QFontMetricsF& metrics) { return std::max(1.0, metrics.height() / 12); }

}  // namespace

QColor moverColour(timing::MoverKind kind) {
  switch (kind) {
    case timing::MoverKind::solarArc:
      return {0, 84, 166};
    case timing::MoverKind::progressed:
      return {0, 128, 64};
    case timing::MoverKind::transit:
      break;
  }
  return {178, 34, 34};
}

QPointF EphemerisView::pixelOf(timing::CurvePoint at) const {
  return {plot.left() + (at.julianDay - from) * pixelsPerDay(),
          plot.bottom() - at.degrees * pixelsPerDegree()};
}

timing::CurvePoint EphemerisView::pointOf(QPointF pixel) const {
  return {from + (pixel.x() - plot.left()) / pixelsPerDay(),
          (plot.bottom() - pixel.y()) / pixelsPerDegree()};
}

EphemerisPicture::EphemerisPicture(const timing::EphemerisLayout* layout, chart::TimeZone zone,
                                   QFont font)
    : layout_(layout), zone_(std::move(zone)), font_(std::move(font)) {}

EphemerisView EphemerisPicture::viewIn(const QPaintDevice* device, const QRectF& area, double from,
                                       double to) const {
  const QFontMetricsF metrics(font_, device);
  double widest = 0;
  for (const timing::RadixLine& line : layout_->radixLines) {
    widest = std::max(widest, metrics.horizontalAdvance(printedText(line.label)));
  }
  const double space = metrics.averageCharWidth();
  const double left = widest + 2 * space;
  const double right = metrics.horizontalAdvance(QStringLiteral("22°30'")) + 2 * space;
  const double top = metrics.lineSpacing();
  const double bottom = metrics.lineSpacing() * 1.8;
  return {area.adjusted(left, top, -right, -bottom), from, std::max(to, from + 1e-6),
          layout_->dial.degrees()};
}

void EphemerisPicture::paint(QPainter& painter, const EphemerisView& view,
                             std::optional<std::size_t> chosen, std::optional<double> today) const {
  painter.save();
  painter.setFont(font_);
  paintGrid(painter, view);
  paintRadixLines(painter, view);
  painter.setClipRect(view.plot.adjusted(-1, -1, 1, 1));
  painter.setRenderHint(QPainter::Antialiasing);
  paintCurves(painter, view);
  paintMarks(painter, view, chosen);
  if (today && *today >= view.from && *today <= view.to) {
    const QFontMetricsF metrics(font_, painter.device());
    const double x = view.pixelOf({*today, 0}).x();
    painter.setPen(QPen(kTodayColour, 2 * lineWidth(metrics)));
    painter.drawLine(QPointF(x, view.plot.top()), QPointF(x, view.plot.bottom()));
    painter.drawText(
        QPointF(x + metrics.averageCharWidth() / 2, view.plot.top() + metrics.ascent()),
        QStringLiteral("Heute"));
  }
  paintCurveLabels(painter, view);
  painter.restore();
}

void EphemerisPicture::paintGrid(QPainter& painter, const EphemerisView& view) const {
  const QFontMetricsF metrics(font_, painter.device());
  const QRectF& plot = view.plot;
  const double space = metrics.averageCharWidth();
  const double tick = metrics.lineSpacing() * 0.3;
  for (const timing::DegreeLine& line : layout_->degreeLines) {
    const double y = view.pixelOf({0, line.degrees}).y();
    painter.setPen(QPen(kGridColour, 0));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(kScaleColour);
    painter.drawText(
        QPointF(plot.right() + space, y + metrics.ascent() / 2 - metrics.descent() / 2),
        printedText(line.label));
  }
  for (const timing::TimeTick& mark : timing::timeTicks(view.from, view.to, zone_)) {
    const double x = view.pixelOf({mark.julianDay, 0}).x();
    const bool labelled = !mark.label.empty();
    if (labelled) {
      painter.setPen(QPen(kGridColour, 0));
      painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter.setPen(QPen(kScaleColour, 0));
    painter.drawLine(QPointF(x, plot.bottom()),
                     QPointF(x, plot.bottom() + (labelled ? tick : tick / 2)));
    if (!labelled) continue;
    const QString label = printedText(mark.label);
    const double width = metrics.horizontalAdvance(label);
    const double left =
        std::clamp(x - width / 2, plot.left() - space, plot.right() + space - width);
    painter.drawText(QPointF(left, plot.bottom() + tick + metrics.ascent()), label);
  }
  painter.setPen(QPen(kScaleColour, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
}

void EphemerisPicture::paintRadixLines(QPainter& painter, const EphemerisView& view) const {
  const QFontMetricsF metrics(font_, painter.device());
  const auto& lines = layout_->radixLines;
  std::vector<double> wanted;
  wanted.reserve(lines.size());
  for (const timing::RadixLine& line : lines) wanted.push_back(view.pixelOf({0, line.degrees}).y());
  const double half = metrics.ascent() / 2;
  const auto places = timing::spreadLabels(wanted, metrics.height(), view.plot.top() - half,
                                           view.plot.bottom() + half);
  const double space = metrics.averageCharWidth();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    painter.setPen(QPen(kRadixColour, lineWidth(metrics) * 0.7));
    painter.drawLine(QPointF(view.plot.left(), wanted[k]), QPointF(view.plot.right(), wanted[k]));
    if (!places[k]) continue;  // no room: the window names it on hover
    const double place = *places[k];
    painter.setPen(QPen(kScaleColour, 0));
    if (std::abs(place - wanted[k]) > 1) {
      painter.drawLine(QPointF(view.plot.left() - space * 0.8, place),
                       QPointF(view.plot.left(), wanted[k]));
    }
    const QString label = printedText(lines[k].label);
    painter.drawText(QPointF(view.plot.left() - space - metrics.horizontalAdvance(label),
                             place + half - metrics.descent() / 2),
                     label);
  }
}

void EphemerisPicture::paintCurves(QPainter& painter, const EphemerisView& view) const {
  const QFontMetricsF metrics(font_, painter.device());
  QPolygonF polyline;
  for (const timing::EphemerisCurve& curve : layout_->curves) {
    QPen pen(moverColour(curve.kind), lineWidth(metrics) * 1.3);
    for (const timing::CurveStretch& stretch : curve.stretches) {
      const auto& points = stretch.points;
      if (points.back().julianDay < view.from || points.front().julianDay > view.to) continue;
      const std::size_t first = firstFrom(points, view.from);
      const std::size_t last = std::min(points.size(), firstFrom(points, view.to) + 1);
      polyline.clear();
      for (std::size_t k = first > 0 ? first - 1 : 0; k < last; ++k) {
        polyline << view.pixelOf(points[k]);
      }
      pen.setStyle(stretch.retrograde ? Qt::DashLine : Qt::SolidLine);
      painter.setPen(pen);
      painter.drawPolyline(polyline);
    }
  }
}

// The names of the curves where they begin, come back onto the dial and
// end; a name that would cover one already written is left out.
void EphemerisPicture::paintCurveLabels(QPainter& painter, const EphemerisView& view) const {
  const QFontMetricsF metrics(font_, painter.device());
  std::vector<QRectF> taken;
  const double space = metrics.averageCharWidth() / 2;
  for (const timing::CurveLabel& label : layout_->curveLabels) {
    if (label.at.julianDay < view.from || label.at.julianDay > view.to) continue;
    const timing::EphemerisCurve& curve = layout_->curves[label.curve];
    const QString name = printedText(curve.name);
    const QPointF at = view.pixelOf(label.at);
    const double width = metrics.horizontalAdvance(name);
    const double left =
        label.place == timing::CurveLabelPlace::end ? at.x() - width - space : at.x() + space;
    const bool above = label.at.degrees < view.dialDegrees / 2;
    const double top = above ? at.y() - metrics.height() : at.y();
    QRectF box(left, top, width, metrics.height());
    box.moveTop(std::clamp(box.top(), view.plot.top(), view.plot.bottom() - box.height()));
    if (std::any_of(taken.begin(), taken.end(),
                    [&](const QRectF& r) { return r.intersects(box); })) {
      continue;
    }
    taken.push_back(box);
    painter.setPen(moverColour(curve.kind));
    painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), name);
  }
}

void EphemerisPicture::paintMarks(QPainter& painter, const EphemerisView& view,
                                  std::optional<std::size_t> chosen) const {
  const QFontMetricsF metrics(font_, painter.device());
  const double radius = metrics.height() / 4.5;
  const auto& marks = layout_->marks;
  for (std::size_t k = 0; k < marks.size(); ++k) {
    const timing::HitMark& mark = marks[k];
    if (mark.at.julianDay < view.from || mark.at.julianDay > view.to) continue;
    const QColor colour = moverColour(mark.kind);
    const bool isChosen = chosen == k;
    painter.setPen(isChosen ? QPen(Qt::black, 2 * lineWidth(metrics))
                            : QPen(colour.darker(170), lineWidth(metrics) * 0.8));
    painter.setBrush(colour);
    const double r = isChosen ? radius * 2 : radius;
    painter.drawEllipse(view.pixelOf(mark.at), r, r);
  }
  painter.setBrush(Qt::NoBrush);
}

}  // namespace kelvaro
