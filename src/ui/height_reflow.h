#pragma once

#include <utility>
#include <vector>

#include <QObject>
#include <QRect>

class QWidget;

namespace kelvaro::ui {

// Lets a layout of fixed pixel positions follow the height of its container:
// the views that were told to stretch gain or lose what the container has
// above or below its designed height, and the controls below them move with
// the bottom. Under its smallest height the container keeps that height (a
// scroll area around it takes over).
class HeightReflow : public QObject {
 public:
  HeightReflow(QWidget& container, int designedHeight, int smallestHeight);

  // The view's height follows the container's.
  void stretch(QWidget& view);
  // The children of `parent` whose top lies at `top` or below move with the
  // container's bottom.
  void moveBelow(const QWidget& parent, int top);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void follow(int height);

  QWidget& container_;
  const int designedHeight_;
  const int smallestHeight_;
  std::vector<std::pair<QWidget*, QRect>> stretching_;
  std::vector<std::pair<QWidget*, QPoint>> moving_;
};

}  // namespace kelvaro::ui
