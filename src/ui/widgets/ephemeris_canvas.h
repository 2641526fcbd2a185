#pragma once

#include <cstddef>
#include <optional>

#include <QPoint>
#include <QWidget>

#include "print/ephemeris_picture.h"
#include "timing/timeline.h"

namespace kelvaro::ui {

// The picture of a graphic ephemeris on screen. The wheel zooms in time
// around the mouse, dragging moves the shown stretch; a mark under the mouse
// shows its list line as tooltip, and a click on it chooses it.
class EphemerisCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit EphemerisCanvas(QWidget* parent = nullptr);

  // The layout and the timeline it was made of; both must outlive the
  // canvas's use of them. Shows the whole range.
  void setContent(const timing::EphemerisLayout* layout, const timing::Timeline* timeline,
                  chart::TimeZone zone);

  void showWholeRange();
  // Keeps the span shown and puts `julianDay` in the middle.
  void centreOn(double julianDay);
  // Zooms by `factor` (below 1: in) around `julianDay`.
  void zoom(double factor, double julianDay);
  void setToday(std::optional<double> julianDay);

  double shownFrom() const { return from_; }
  double shownTo() const { return to_; }
  std::optional<std::size_t> chosenMark() const { return chosen_; }
  void choose(std::optional<std::size_t> mark);

  // The mark at a point of the canvas, and where a mark is painted.
  std::optional<std::size_t> markAt(QPoint point) const;
  QPoint pixelOfMark(std::size_t mark) const;
  // The list line a mark shows as tooltip.
  QString tooltipOf(std::size_t mark) const;
  // The names of the radix lines at the height of `point` (a label the
  // picture had no room for is named so), or an empty text.
  QString radixLinesAt(QPoint point) const;

 signals:
  // A click on a mark: the index of the mark (and of its hit).
  void markClicked(std::size_t mark);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  EphemerisView view() const;
  void showStretch(double from, double to);

  const timing::EphemerisLayout* layout_ = nullptr;
  const timing::Timeline* timeline_ = nullptr;
  std::optional<EphemerisPicture> picture_;
  double from_ = 0;
  double to_ = 1;
  std::optional<double> today_;
  std::optional<std::size_t> chosen_;
  std::optional<QPoint> pressedAt_;
  double pressedFrom_ = 0;
  bool dragged_ = false;
};

}  // namespace kelvaro::ui
