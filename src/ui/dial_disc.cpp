#include "ui/dial_disc.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "core/std_ho.h"
#include "search/dial_pointer.h"
#include "ui/text_view.h"
#include "ui/window_style.h"

namespace kelvaro::ui {
namespace {

constexpr double kNumberRoom = 24;  // outside the scale: the degree numbers
constexpr double kLongTick = 10;
constexpr double kShortTick = 5;
// Of the scale radius: where ring r begins. At the smallest size this keeps
// each ring's band a name's diagonal high and leaves ring r room for all 22
// names side by side.
constexpr double kInnerShare = 0.38;
constexpr int kTicksPerDegree = 6;  // one every 10'
constexpr int kWheelNotch = 120;
constexpr int kWheelStep = 10;  // minutes a notch

QPointF qt(DialPoint p) { return {p.x, p.y}; }

QFont nameFont() { return captionFont(8, true); }

// Qt counts angles counter-clockwise from three o'clock in 1/16 degree; the
// dial starts at the top and one dial degree is 16° of the circle.
int qtAngle(double dialValue) { return static_cast<int>(std::lround((90 + dialValue * 16) * 16)); }

}  // namespace

DialDisc::DialDisc(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DialDisc"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(480, 480);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DialDisc::showRecord(const TransitRecord& record, double orb) {
  record_ = record;
  orb_ = orb;
  marked_.clear();
  relayout();
}

void DialDisc::setOrb(double orb) {
  orb_ = orb;
  update();
}

void DialDisc::setRingShown(Variant variant, bool shown) {
  shownRings_[static_cast<std::size_t>(variantIndex(variant))] = shown;
  relayout();
}

void DialDisc::setMarked(std::vector<std::pair<int, Variant>> marked) {
  marked_ = std::move(marked);
  update();
}

void DialDisc::setPointer(int pointer) {
  pointer = movePointer(pointer, 0);
  if (pointer == pointer_) return;
  pointer_ = pointer;
  update();
  emit pointerMoved(pointer_);
}

QPointF DialDisc::widgetPoint(DialPoint point) const {
  return {width() / 2.0 + point.x, height() / 2.0 + point.y};
}

double DialDisc::scaleRadius() const {
  return std::max(10.0, std::min(width(), height()) / 2.0 - kNumberRoom);
}

void DialDisc::relayout() {
  background_ = QPixmap();
  update();
  if (!record_) return;
  const QFontMetricsF metrics(nameFont());
  double widest = 0;
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    widest = std::max(widest, metrics.horizontalAdvance(toQString(factorName(number))));
  }
  const double radius = scaleRadius();
  geometry_ = {radius * kInnerShare, radius - kLongTick - 4, widest + 4, metrics.height()};
  layout_ = layoutDial(*record_, shownRings_, geometry_);
}

void DialDisc::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

// ---- Painting -------------------------------------------------------------

void DialDisc::paintEvent(QPaintEvent*) {
  ++frames_;
  if (background_.isNull()) paintBackground();
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
  if (!record_) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(width() / 2.0, height() / 2.0);
  paintPointer(painter);
  paintHighlights(painter);
}

void DialDisc::paintBackground() {
  const qreal ratio = devicePixelRatioF();
  background_ = QPixmap(size() * ratio);
  background_.setDevicePixelRatio(ratio);
  background_.fill(colour::navy);
  QPainter painter(&background_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(width() / 2.0, height() / 2.0);
  paintScale(painter);
  paintNames(painter);
}

void DialDisc::paintScale(QPainter& painter) const {
  const double radius = scaleRadius();
  painter.setPen(QPen(colour::skyBlue, 1, Qt::DotLine));
  for (std::size_t ring = 0; ring < 4; ++ring) {
    if (!shownRings_[ring] || !record_) continue;
    const double r = layout_.ringRadius[ring];
    painter.drawEllipse(QPointF(), r, r);
  }
  painter.setPen(QPen(colour::cream, 1.5));
  painter.drawEllipse(QPointF(), radius, radius);
  painter.setFont(captionFont(9, true));
  const int ticks = static_cast<int>(kDial) * kTicksPerDegree + kTicksPerDegree / 2;
  for (int tick = 0; tick < ticks; ++tick) {
    const double value = static_cast<double>(tick) / kTicksPerDegree;
    const bool whole = tick % kTicksPerDegree == 0;
    painter.setPen(QPen(colour::cream, whole ? 1.5 : 1));
    painter.drawLine(qt(pointOnDial(value, radius - (whole ? kLongTick : kShortTick))),
                     qt(pointOnDial(value, radius)));
    if (!whole) continue;
    const QPointF at = qt(pointOnDial(value, radius + kNumberRoom / 2));
    painter.setPen(colour::yellow);
    painter.drawText(QRectF(at.x() - 14, at.y() - 9, 28, 18), Qt::AlignCenter,
                     QString::number(tick / kTicksPerDegree));
  }
  painter.setBrush(colour::cream);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(), 2.5, 2.5);
  painter.setBrush(Qt::NoBrush);
}

void DialDisc::paintNames(QPainter& painter) const {
  painter.setFont(nameFont());
  for (const DialName& name : layout_.names) {
    const QPointF mark = qt(name.truePlace);
    painter.setPen(QPen(colour::skyBlue, 1));
    const double leader =
        std::hypot(name.leaderStart.x - name.truePlace.x, name.leaderStart.y - name.truePlace.y);
    if (leader > 1) {
      painter.drawLine(qt(name.leaderStart), mark);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::cream);
    painter.drawEllipse(mark, 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(colour::cream);
    painter.drawText(nameBox(name), Qt::AlignCenter, toQString(factorName(name.factor)));
  }
}

void DialDisc::paintPointer(QPainter& painter) const {
  const double radius = scaleRadius();
  const double place = dialPlace(pointerAngle(pointer_));
  QColor sector = colour::yellow;
  sector.setAlpha(70);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sector);
  painter.drawPie(QRectF(-radius, -radius, 2 * radius, 2 * radius), qtAngle(place - orb_),
                  qtAngle(2 * orb_) - qtAngle(0));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(colour::yellow, 2));
  painter.drawLine(QPointF(), qt(pointOnDial(place, radius)));
}

// Names in the pointer's axis stand out in yellow; marked ones get a frame.
void DialDisc::paintHighlights(QPainter& painter) const {
  painter.setFont(nameFont());
  for (const DialName& name : layout_.names) {
    const QRectF box = nameBox(name);
    if (inPointerAxis(name.dialValue, pointer_, orb_)) {
      painter.fillRect(box, colour::navy);
      painter.setPen(colour::yellow);
      painter.drawText(box, Qt::AlignCenter, toQString(factorName(name.factor)));
    }
    if (std::find(marked_.begin(), marked_.end(), std::pair{name.factor, name.variant}) !=
        marked_.end()) {
      painter.setPen(QPen(colour::yellow, 1.5));
      painter.drawRect(box);
    }
  }
}

QRectF DialDisc::nameBox(const DialName& name) const {
  return {name.centre.x - geometry_.nameWidth / 2, name.centre.y - geometry_.nameHeight / 2,
          geometry_.nameWidth, geometry_.nameHeight};
}

// ---- The user's moves -------------------------------------------------------

const DialName* DialDisc::nameAt(QPointF position) const {
  const QPointF onDial = position - QPointF(width() / 2.0, height() / 2.0);
  for (const DialName& name : layout_.names) {
    if (nameBox(name).contains(onDial)) return &name;
  }
  return nullptr;
}

void DialDisc::pointAt(QPointF position) {
  const QPointF onDial = position - QPointF(width() / 2.0, height() / 2.0);
  if (std::hypot(onDial.x(), onDial.y()) < 1) return;
  setPointer(pointerAt(dialValueAt({onDial.x(), onDial.y()})));
}

void DialDisc::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !record_) return QWidget::mousePressEvent(event);
  if (const DialName* name = nameAt(event->position())) {
    setPointer(pointerAt(name->dialValue));
    return;
  }
  dragging_ = true;
  pointAt(event->position());
}

void DialDisc::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) pointAt(event->position());
}

void DialDisc::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void DialDisc::keyPressEvent(QKeyEvent* event) {
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
      step = 1;
      break;
    case Qt::Key_Left:
    case Qt::Key_Down:
      step = -1;
      break;
    case Qt::Key_PageUp:
      step = 60;
      break;
    case Qt::Key_PageDown:
      step = -60;
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
  setPointer(movePointer(pointer_, step));
}

void DialDisc::wheelEvent(QWheelEvent* event) {
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / kWheelNotch;
  wheelRest_ %= kWheelNotch;
  if (notches != 0) setPointer(movePointer(pointer_, notches * kWheelStep));
  event->accept();
}

// The tooltip of a name: the factor variant and its dial value.
bool DialDisc::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  if (const DialName* name = nameAt(help->pos())) {
    QToolTip::showText(help->globalPos(),
                       toQString(factorVariantName(name->factor, name->variant) + "  " +
                                 winkel_text(name->dialValue, 2, AngleMode::dial22)),
                       this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace kelvaro::ui
