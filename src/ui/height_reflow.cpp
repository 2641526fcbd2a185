#include "ui/height_reflow.h"

#include <algorithm>

#include <QEvent>
#include <QWidget>

namespace kelvaro::ui {

HeightReflow::HeightReflow(QWidget& container, int designedHeight, int smallestHeight)
    : QObject(&container),
      container_(container),
      designedHeight_(designedHeight),
      smallestHeight_(smallestHeight) {
  container.setMinimumHeight(smallestHeight);
  container.installEventFilter(this);
}

void HeightReflow::stretch(QWidget& view) { stretching_.emplace_back(&view, view.geometry()); }

void HeightReflow::moveBelow(const QWidget& parent, int top) {
  for (QWidget* child : parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->y() >= top) moving_.emplace_back(child, child->pos());
  }
}

bool HeightReflow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &container_ && event->type() == QEvent::Resize) follow(container_.height());
  return QObject::eventFilter(watched, event);
}

void HeightReflow::follow(int height) {
  const int change = std::max(height, smallestHeight_) - designedHeight_;
  for (const auto& [view, designed] : stretching_) {
    view->resize(designed.width(), designed.height() + change);
  }
  // A control moved sideways meanwhile (a prompt that changes its column)
  // keeps its column.
  for (const auto& [control, designed] : moving_)
    control->move(control->x(), designed.y() + change);
}

}  // namespace kelvaro::ui
