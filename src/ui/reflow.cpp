#include "ui/reflow.h"

#include <algorithm>

#include <QEvent>
#include <QWidget>

namespace kelvaro::ui {

Reflow::Reflow(QWidget& container, QSize designed, int smallestHeight)
    : QObject(&container),
      container_(container),
      designed_(designed),
      smallestHeight_(smallestHeight) {
  container.setMinimumSize(designed.width(), smallestHeight);
  container.installEventFilter(this);
}

Reflow::Follower& Reflow::follower(QWidget& control) {
  const auto found = std::find_if(followers_.begin(), followers_.end(),
                                  [&](const Follower& known) { return known.control == &control; });
  if (found != followers_.end()) return *found;
  return followers_.emplace_back(Follower{&control, control.geometry()});
}

void Reflow::stretch(QWidget& view, Qt::Orientations directions) {
  Follower& stretching = follower(view);
  stretching.growsDown = directions.testFlag(Qt::Vertical);
  stretching.growsRight = directions.testFlag(Qt::Horizontal);
}

void Reflow::moveBelow(const QWidget& parent, int top) {
  for (QWidget* child : parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->y() >= top) follower(*child).movesDown = true;
  }
}

void Reflow::moveRight(QWidget& control) { follower(control).acrossShare = 2; }

void Reflow::keepCentred(QWidget& control) { follower(control).acrossShare = 1; }

bool Reflow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &container_ && event->type() == QEvent::Resize) follow(container_.size());
  return QObject::eventFilter(watched, event);
}

// A control moved meanwhile in a direction it does not follow (a prompt
// that changes its column) keeps its place in that direction.
void Reflow::follow(QSize size) {
  const int down = std::max(size.height(), smallestHeight_) - designed_.height();
  const int across = std::max(size.width(), designed_.width()) - designed_.width();
  for (const Follower& f : followers_) {
    QRect now = f.control->geometry();
    if (f.growsDown) now.setHeight(f.designed.height() + down);
    if (f.growsRight) now.setWidth(f.designed.width() + across);
    if (f.movesDown) now.moveTop(f.designed.y() + down);
    if (f.acrossShare > 0) now.moveLeft(f.designed.x() + across * f.acrossShare / 2);
    f.control->setGeometry(now);
  }
}

}  // namespace kelvaro::ui
