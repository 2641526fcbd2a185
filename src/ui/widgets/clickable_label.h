#pragma once

#include <QLabel>

namespace kelvaro::ui {

// A label that reports a left click, like the orb label of the main window.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kelvaro::ui
