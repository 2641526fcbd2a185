#include "ui/widgets/ephemeris_canvas.h"

#include <algorithm>
#include <cmath>

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>
#include <QWheelEvent>

#include "ui/widgets/text_view.h"

namespace kelvaro::ui {
namespace {

constexpr double kShortestSpan = 2;  // days
constexpr double kWheelZoom = 0.8;   // one notch in: four fifths of the span
constexpr int kMarkReach = 6;        // pixels around a mark that hit it
constexpr int kDragThreshold = 4;    // pixels a press moves before it drags

}  // namespace

EphemerisCanvas::EphemerisCanvas(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(480, 300);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void EphemerisCanvas::setContent(const timing::EphemerisLayout* layout,
                                 const timing::Timeline* timeline, chart::TimeZone zone) {
  layout_ = layout;
  timeline_ = timeline;
  picture_.emplace(layout, std::move(zone), font());
  chosen_.reset();
  showWholeRange();
}

void EphemerisCanvas::showWholeRange() {
  if (layout_) showStretch(layout_->from, layout_->to);
}

// A stretch of at least kShortestSpan and at most the range, moved back
// into the range where it stands out of it.
void EphemerisCanvas::showStretch(double from, double to) {
  if (!layout_) return;
  const double range = layout_->to - layout_->from;
  const double span = std::clamp(to - from, std::min(kShortestSpan, range), range);
  from = std::clamp(from, layout_->from, layout_->to - span);
  from_ = from;
  to_ = from + span;
  update();
}

void EphemerisCanvas::centreOn(double julianDay) {
  const double span = to_ - from_;
  from_ = julianDay - span / 2;
  to_ = julianDay + span / 2;
  update();
}

void EphemerisCanvas::zoom(double factor, double julianDay) {
  showStretch(julianDay - (julianDay - from_) * factor, julianDay + (to_ - julianDay) * factor);
}

void EphemerisCanvas::setToday(std::optional<double> julianDay) {
  today_ = julianDay;
  update();
}

void EphemerisCanvas::choose(std::optional<std::size_t> mark) {
  chosen_ = mark;
  update();
}

EphemerisView EphemerisCanvas::view() const {
  return picture_->viewIn(this, QRectF(rect()).adjusted(4, 4, -4, -4), from_, to_);
}

std::optional<std::size_t> EphemerisCanvas::markAt(QPoint point) const {
  if (!picture_) return std::nullopt;
  const EphemerisView shown = view();
  return timing::markNear(layout_->marks, shown.pointOf(point), kMarkReach / shown.pixelsPerDay(),
                          kMarkReach / shown.pixelsPerDegree());
}

QPoint EphemerisCanvas::pixelOfMark(std::size_t mark) const {
  return view().pixelOf(layout_->marks.at(mark).at).toPoint();
}

QString EphemerisCanvas::tooltipOf(std::size_t mark) const {
  return toQString(timeline_->result.lines[layout_->marks.at(mark).line]);
}

QString EphemerisCanvas::radixLinesAt(QPoint point) const {
  if (!picture_) return {};
  const EphemerisView shown = view();
  if (point.x() > shown.plot.right()) return {};
  QStringList names;
  for (const timing::RadixLine& line : layout_->radixLines) {
    if (std::abs(shown.pixelOf({0, line.degrees}).y() - point.y()) <= kMarkReach) {
      names.append(toQString(line.label));
    }
  }
  return names.join(QStringLiteral(", "));
}

void EphemerisCanvas::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter painter(this);
  picture_->paint(painter, view(), chosen_, today_);
}

bool EphemerisCanvas::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  if (const auto mark = markAt(help->pos())) {
    QToolTip::showText(help->globalPos(), tooltipOf(*mark), this);
  } else if (const QString lines = radixLinesAt(help->pos()); !lines.isEmpty()) {
    QToolTip::showText(help->globalPos(), lines, this);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

void EphemerisCanvas::wheelEvent(QWheelEvent* event) {
  if (!picture_ || event->angleDelta().y() == 0) return;
  const double notches = event->angleDelta().y() / 120.0;
  zoom(std::pow(kWheelZoom, notches), view().pointOf(event->position()).julianDay);
  event->accept();
}

void EphemerisCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressedAt_ = event->position().toPoint();
  pressedFrom_ = from_;
  dragged_ = false;
}

void EphemerisCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!pressedAt_ || !picture_) return;
  const int dx = event->position().toPoint().x() - pressedAt_->x();
  if (!dragged_ && std::abs(dx) < kDragThreshold) return;
  dragged_ = true;
  setCursor(Qt::ClosedHandCursor);
  const double span = to_ - from_;
  const double from = pressedFrom_ - dx / view().pixelsPerDay();
  showStretch(from, from + span);
}

void EphemerisCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressedAt_ || event->button() != Qt::LeftButton) return;
  const bool click = !dragged_;
  pressedAt_.reset();
  unsetCursor();
  if (!click) return;
  if (const auto mark = markAt(event->position().toPoint())) {
    choose(mark);
    emit markClicked(*mark);
  }
}

}  // namespace kelvaro::ui
