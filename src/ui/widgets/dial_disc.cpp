#include "ui/widgets/dial_disc.h"

#include <algorithm>
#include <cmath>

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "core/std_ho.h"
#include "search/dial_pointer.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {
namespace {

constexpr int kWheelNotch = 120;
constexpr int kWheelStep = 10;  // minutes a notch

}  // namespace

DialDisc::DialDisc(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DialDisc"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(480, 480);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colour::navy);
  colours.setColor(QPalette::WindowText, colour::yellow);
  colours.setColor(QPalette::Text, colour::cream);
  colours.setColor(QPalette::Mid, colour::skyBlue);
  setPalette(colours);
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

void DialDisc::setDialSize(DialSize dial) {
  if (dial == dial_) return;
  dial_ = dial;
  relayout();
  // The pointer keeps its angle where the new dial holds it, else it wraps.
  setPointer(pointer_);
}

void DialDisc::setMarked(std::vector<FactorVariant> marked) {
  marked_ = std::move(marked);
  update();
}

void DialDisc::setPointer(int pointer) {
  pointer = movePointer(pointer, 0, dial_);
  if (pointer == pointer_) return;
  pointer_ = pointer;
  update();
  emit pointerMoved(pointer_);
}

QPointF DialDisc::widgetPoint(DialPoint point) const {
  return {width() / 2.0 + point.x, height() / 2.0 + point.y};
}

DialLook DialDisc::look() const {
  const QPalette& colours = palette();
  const QColor ground = colours.color(QPalette::Window);
  return {{ground, colours.color(QPalette::Text), colours.color(QPalette::WindowText),
           colours.color(QPalette::Mid), colours.color(QPalette::WindowText), ground},
          captionFont(8, true),
          captionFont(9, true)};
}

void DialDisc::relayout() {
  background_ = QPixmap();
  update();
  picture_ = DialPicture(record_ ? &*record_ : nullptr, shownRings_, size(), look(), dial_);
}

void DialDisc::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

// ---- Painting -------------------------------------------------------------

// The kept picture is made anew when it was painted for another pixel
// ratio (the window moved to another screen) or in other colours.
void DialDisc::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) relayout();
}

void DialDisc::paintEvent(QPaintEvent*) {
  ++frames_;
  if (background_.isNull() || background_.devicePixelRatio() != devicePixelRatioF()) {
    paintBackground();
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
  if (!record_) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(width() / 2.0, height() / 2.0);
  picture_.paintPointer(painter, pointer_, orb_);
  picture_.paintHighlights(painter, pointer_, orb_, marked_);
}

void DialDisc::paintBackground() {
  const qreal ratio = devicePixelRatioF();
  background_ = QPixmap(size() * ratio);
  background_.setDevicePixelRatio(ratio);
  background_.fill(picture_.look().colours.ground);
  QPainter painter(&background_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(width() / 2.0, height() / 2.0);
  picture_.paintFixed(painter);
}

// ---- The user's moves -------------------------------------------------------

QPointF DialDisc::fromCentre(QPointF position) const {
  return position - QPointF(width() / 2.0, height() / 2.0);
}

void DialDisc::pointAt(QPointF position) {
  const QPointF onDial = fromCentre(position);
  if (std::hypot(onDial.x(), onDial.y()) < 1) return;
  setPointer(pointerAt(dialValueAt({onDial.x(), onDial.y()}, dial_), dial_));
}

void DialDisc::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !record_) return QWidget::mousePressEvent(event);
  if (const DialName* name = picture_.nameAt(fromCentre(event->position()))) {
    setPointer(pointerAt(name->dialValue, dial_));
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
  setPointer(movePointer(pointer_, step, dial_));
}

void DialDisc::wheelEvent(QWheelEvent* event) {
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / kWheelNotch;
  wheelRest_ %= kWheelNotch;
  if (notches != 0) setPointer(movePointer(pointer_, notches * kWheelStep, dial_));
  event->accept();
}

// The tooltip of a name: the factor variant and its dial value.
bool DialDisc::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  if (const DialName* name = picture_.nameAt(fromCentre(help->pos()))) {
    QToolTip::showText(help->globalPos(),
                       toQString(factorVariantName(name->factor, name->variant) + "  " +
                                 dial_.placeText(name->dialValue)),
                       this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace kelvaro::ui
