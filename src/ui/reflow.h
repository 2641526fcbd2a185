#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace kelvaro::ui {

// Lets a layout of fixed pixel positions follow the size of its container:
// the views that were told to stretch gain or lose what the container has
// beyond its designed size, the controls below them move with the bottom,
// those at the right edge with the right edge, and centred ones stay in the
// middle. Under its smallest height the container keeps that height, and
// under its designed width that width (a scroll area around it takes over).
class Reflow : public QObject {
 public:
  Reflow(QWidget& container, QSize designed, int smallestHeight);

  // The view's height, width or both follow the container's.
  void stretch(QWidget& view, Qt::Orientations directions);
  // The children of `parent` whose top lies at `top` or below move with the
  // container's bottom.
  void moveBelow(const QWidget& parent, int top);
  // The control moves with the container's right edge.
  void moveRight(QWidget& control);
  // The control stays in the middle across.
  void keepCentred(QWidget& control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // How one control follows, and where it was designed.
  struct Follower {
    QWidget* control;
    QRect designed;
    bool growsDown = false;
    bool growsRight = false;
    bool movesDown = false;
    int acrossShare = 0;  // of the extra width it moves right: 0, 1 (half) or 2 (all)
  };
  Follower& follower(QWidget& control);
  void follow(QSize size);

  QWidget& container_;
  const QSize designed_;
  const int smallestHeight_;
  std::vector<Follower> followers_;
};

}  // namespace kelvaro::ui
