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

// The scale of a dial: a tick every so many minutes, and every so many ticks
// a long one with its degree number.
struct ScaleSteps {
  int tickMinutes;
  int ticksPerNumber;
};

ScaleSteps scaleOf(DialSize dial) {
  switch (dial.kind()) {
    case DialSize::Kind::full:
      return {120, 5};  // every 2°, numbers every 10°
    case DialSize::Kind::quarter:
      return {60, 5};  // every degree, numbers every 5°
    case DialSize::Kind::eighth:
      return {20, 15};  // every 20', numbers every 5°
    case DialSize::Kind::sixteenth:
      break;
    case DialSize::Kind::thirtySecond:
      return {5, 12};  // every 5', numbers every degree
  }
  return {10, 6};  // every 10', numbers every degree
}

QPointF qt(DialPoint p) { return {p.x, p.y}; }

QString nameText(int factor) {
  const std::string_view name = factorName(factor);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Qt counts angles counter-clockwise from three o'clock in 1/16 degree; the
// dial starts at the top and goes once round the circle.
int qtAngle(double dialValue, DialSize dial) {
  return static_cast<int>(std::lround((90 + dialValue * (360 / dial.degrees())) * 16));
}

}  // namespace

DialPicture::DialPicture(const TransitRecord* record, const std::array<bool, 4>& shownRings,
                         QSizeF size, DialLook look, DialSize dial)
    : hasRecord_(record != nullptr), shownRings_(shownRings), look_(std::move(look)), dial_(dial) {
  scaleRadius_ = std::max(10.0, std::min(size.width(), size.height()) / 2.0 - kNumberRoom);
  if (!record) return;
  const QFontMetricsF metrics(look_.names);
  double widest = 0;
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    widest = std::max(widest, metrics.horizontalAdvance(nameText(number)));
  }
  geometry_ = {scaleRadius_ * kInnerShare, scaleRadius_ - kLongTick - 4, widest + 4,
               metrics.height()};
  layout_ = layoutDial(*record, shownRings_, geometry_, dial_);
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
  const ScaleSteps steps = scaleOf(dial_);
  const auto ticks = static_cast<int>(std::lround(dial_.degrees() * 60 / steps.tickMinutes));
  for (int tick = 0; tick < ticks; ++tick) {
    const double value = static_cast<double>(tick * steps.tickMinutes) / 60;
    const bool numbered = tick % steps.ticksPerNumber == 0;
    painter.setPen(QPen(colours.ink, numbered ? 1.5 : 1));
    painter.drawLine(qt(pointOnDial(value, radius - (numbered ? kLongTick : kShortTick), dial_)),
                     qt(pointOnDial(value, radius, dial_)));
    if (!numbered) continue;
    const QPointF at = qt(pointOnDial(value, radius + kNumberRoom / 2, dial_));
    painter.setPen(colours.numbers);
    painter.drawText(QRectF(at.x() - 14, at.y() - 9, 28, 18), Qt::AlignCenter,
                     QString::number(tick * steps.tickMinutes / 60));
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
  const double place = dialPlace(pointerAngle(pointer), dial_);
  QColor sector = look_.colours.accent;
  sector.setAlpha(70);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sector);
  painter.drawPie(QRectF(-radius, -radius, 2 * radius, 2 * radius), qtAngle(place - orb, dial_),
                  qtAngle(2 * orb, dial_) - qtAngle(0, dial_));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(look_.colours.accent, 2));
  painter.drawLine(QPointF(), qt(pointOnDial(place, radius, dial_)));
}

void DialPicture::paintHighlights(QPainter& painter, int pointer, double orb,
                                  std::span<const FactorVariant> marked) const {
  painter.setFont(look_.names);
  for (const DialName& name : layout_.names) {
    const QRectF box = nameBox(name);
    if (inPointerAxis(name.dialValue, pointer, orb, dial_)) {
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
