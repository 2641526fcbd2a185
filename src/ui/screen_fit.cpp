#include "ui/screen_fit.h"

#include <algorithm>

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace kelvaro::ui {
namespace {

constexpr int kFrameWaitMs = 3000;

// Watches a window until its frame is known, then fits it once more.
class FrameWatch : public QObject {
 public:
  FrameWatch(QWidget& window, std::function<void()> fit)
      : QObject(&window), window_(window), fit_(std::move(fit)) {
    window.installEventFilter(this);
    QTimer::singleShot(kFrameWaitMs, this, &QObject::deleteLater);
    QTimer::singleShot(0, this, &FrameWatch::check);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == &window_ &&
        (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)) {
      // After the event is handled: fitting changes the geometry.
      QTimer::singleShot(0, this, &FrameWatch::check);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void check() {
    if (done_ || !window_.isVisible() || window_.frameGeometry().size() == window_.size()) return;
    done_ = true;
    window_.removeEventFilter(this);
    fit_();
    deleteLater();
  }

  QWidget& window_;
  std::function<void()> fit_;
  bool done_ = false;
};

}  // namespace

void fitOnScreen(QWidget& window, const std::function<QSize(QSize room)>& needed) {
  const QScreen* screen = window.screen();
  if (screen == nullptr || window.isMaximized() || window.isFullScreen()) return;
  const QRect area = screen->availableGeometry();
  const QSize frame = window.frameGeometry().size() - window.size();
  const QSize room = area.size() - frame;
  if (window.width() > room.width() || window.height() > room.height()) {
    const QSize wanted = needed ? needed(room) : window.size();
    window.resize(wanted.boundedTo(room).expandedTo(window.minimumSize()));
    window.move(area.left() + (area.width() - window.frameGeometry().width()) / 2, area.top());
    return;
  }
  const QRect framed = window.frameGeometry();
  if (area.contains(framed)) return;
  window.move(std::clamp(framed.left(), area.left(), area.right() + 1 - framed.width()),
              std::clamp(framed.top(), area.top(), area.bottom() + 1 - framed.height()));
}

void fitAgainWhenFramed(QWidget& window, std::function<void()> fit) {
  new FrameWatch(window, std::move(fit));
}

}  // namespace kelvaro::ui
