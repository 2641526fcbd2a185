#include "ui/widgets/clickable_label.h"

#include <QMouseEvent>

namespace kelvaro::ui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace kelvaro::ui
