#include "print/dial_picture.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "core/std_ho.h"
#include "search/dial_pointer.h"

namespace kelvaro {
namespace {

constexpr double kNumberRoom = 24;  // outside the scale: the degree numbers
constexpr double kLongTick = 10;
constexpr double kShortTick = 5;
// Of the scale radius: where ring r begins. At the smallest size this keeps
// each ring's band a name's diagonal high and leaves ring r room for all 22
// names side by side.
constexpr double kInnerShare = 0.38;
constexpr int kTicksPerDegree = 6;  // one every 10'

QPointF qt(DialPoint p) { return {p.x, p.y}; }

QString nameText(int factor) {
  const std::string_view name = factorName(factor);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Qt counts angles counter-clockwise from three o'clock in 1/16 degree; the
// dial starts at the top and one dial degree is 16° of the circle.
int qtAngle(double dialValue) { return static_cast<int>(std::lround((90 + dialValue * 16) * 16)); }

}  // namespace

DialPicture::DialPicture(const TransitRecord* record, const std::array<bool, 4>& shownRings,
                         QSizeF size, DialLook look)
    : hasRecord_(record != nullptr), shownRings_(shownRings), look_(std::move(look)) {
  scaleRadius_ = std::max(10.0, std::min(size.width(), size.height()) / 2.0 - kNumberRoom);
  if (!record) return;
  const QFontMetricsF metrics(look_.names);
  double widest = 0;
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    widest = std::max(widest, metrics.horizontalAdvance(nameText(number)));
  }
  geometry_ = {scaleRadius_ * kInnerShare, scaleRadius_ - kLongTick - 4, widest + 4,
               metrics.height()};
  layout_ = layoutDial(*record, shownRings_, geometry_);
}

QRectF DialPicture::nameBox(const DialName& name) const {
  return {name.centre.x - geometry_.nameWidth / 2, name.centre.y - geometry_.nameHeight / 2,
          geometry_.nameWidth, geometry_.nameHeight};
}

const DialName* DialPicture::nameAt(QPointF fromCentre) const {
  for (const DialName& name : layout_.names) {
    if (nameBox(name).contains(fromCentre)) return &name;
  }
  return nullptr;
}

void DialPicture::paintFixed(QPainter& painter) const {
  paintScale(painter);
  paintNames(painter);
}

void DialPicture::paintScale(QPainter& painter) const {
  const DialColours& colours = look_.colours;
  const double radius = scaleRadius_;
  painter.setPen(QPen(colours.rings, 1, Qt::DotLine));
  for (std::size_t ring = 0; ring < 4; ++ring) {
    if (!shownRings_[ring] || !hasRecord_) continue;
    const double r = layout_.ringRadius[ring];
    painter.drawEllipse(QPointF(), r, r);
  }
  painter.setPen(QPen(colours.ink, 1.5));
  painter.drawEllipse(QPointF(), radius, radius);
  painter.setFont(look_.numbers);
  const int ticks = static_cast<int>(kDial) * kTicksPerDegree + kTicksPerDegree / 2;
  for (int tick = 0; tick < ticks; ++tick) {
    const double value = static_cast<double>(tick) / kTicksPerDegree;
    const bool whole = tick % kTicksPerDegree == 0;
    painter.setPen(QPen(colours.ink, whole ? 1.5 : 1));
    painter.drawLine(qt(pointOnDial(value, radius - (whole ? kLongTick : kShortTick))),
                     qt(pointOnDial(value, radius)));
    if (!whole) continue;
    const QPointF at = qt(pointOnDial(value, radius + kNumberRoom / 2));
    painter.setPen(colours.numbers);
    painter.drawText(QRectF(at.x() - 14, at.y() - 9, 28, 18), Qt::AlignCenter,
                     QString::number(tick / kTicksPerDegree));
  }
  painter.setBrush(colours.ink);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(), 2.5, 2.5);
  painter.setBrush(Qt::NoBrush);
}

void DialPicture::paintNames(QPainter& painter) const {
  const DialColours& colours = look_.colours;
  painter.setFont(look_.names);
  for (const DialName& name : layout_.names) {
    const QPointF mark = qt(name.truePlace);
    painter.setPen(QPen(colours.rings, 1));
    const double leader =
        std::hypot(name.leaderStart.x - name.truePlace.x, name.leaderStart.y - name.truePlace.y);
    if (leader > 1) {
      painter.drawLine(qt(name.leaderStart), mark);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ink);
    painter.drawEllipse(mark, 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(colours.ink);
    painter.drawText(nameBox(name), Qt::AlignCenter, nameText(name.factor));
  }
}

void DialPicture::paintPointer(QPainter& painter, int pointer, double orb) const {
  const double radius = scaleRadius_;
  const double place = dialPlace(pointerAngle(pointer));
  QColor sector = look_.colours.accent;
  sector.setAlpha(70);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sector);
  painter.drawPie(QRectF(-radius, -radius, 2 * radius, 2 * radius), qtAngle(place - orb),
                  qtAngle(2 * orb) - qtAngle(0));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(look_.colours.accent, 2));
  painter.drawLine(QPointF(), qt(pointOnDial(place, radius)));
}

void DialPicture::paintHighlights(QPainter& painter, int pointer, double orb,
                                  std::span<const FactorVariant> marked) const {
  painter.setFont(look_.names);
  for (const DialName& name : layout_.names) {
    const QRectF box = nameBox(name);
    if (inPointerAxis(name.dialValue, pointer, orb)) {
      painter.fillRect(box, look_.colours.axisGround);
      painter.setPen(look_.colours.accent);
      painter.drawText(box, Qt::AlignCenter, nameText(name.factor));
    }
    if (std::find(marked.begin(), marked.end(), FactorVariant{name.factor, name.variant}) !=
        marked.end()) {
      painter.setPen(QPen(look_.colours.accent, 1.5));
      painter.drawRect(box);
    }
  }
}

}  // namespace kelvaro
