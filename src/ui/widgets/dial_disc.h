#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QPixmap>
#include <QWidget>

#include "core/factor.h"
#include "core/transit_record.h"
#include "print/dial_picture.h"
#include "search/dial_layout.h"

namespace kelvaro::ui {

// The painted dial (22.5° unless another size is set): scale, the four rings of factor names and
// the pointer with its orb. The user moves the pointer by dragging it, by a click on the disc or on
// a name (the pointer jumps onto that factor), with the arrow keys (±1'), Page Up/Down (±1°) and
// the wheel (±10' a notch).
//
// Its colours come from its palette: the ground (Window), the pointer and
// the names in its axis (WindowText), scale and names (Text) and the rings
// (Mid). Everything but the pointer, its orb and the marks is painted once
// into a picture that is kept until the size, the record, the rings, the
// palette or the screen's pixel ratio change, so a move of the pointer
// repaints little.
class DialDisc : public QWidget {
  Q_OBJECT

 public:
  explicit DialDisc(QWidget* parent = nullptr);

  void showRecord(const TransitRecord& record, double orb);
  void setOrb(double orb);
  void setRingShown(Variant variant, bool shown);
  DialSize dialSize() const { return dial_; }
  void setDialSize(DialSize dial);
  const std::array<bool, 4>& shownRings() const { return shownRings_; }
  // Factor variants drawn with a frame, e.g. those of a chosen list line.
  void setMarked(std::vector<FactorVariant> marked);
  const std::vector<FactorVariant>& marked() const { return marked_; }

  int pointer() const { return pointer_; }
  void setPointer(int pointer);

  const DialLayout& layout() const { return picture_.layout(); }
  const DialGeometry& geometry() const { return picture_.geometry(); }
  // Where a name or a dial value is drawn, in the widget's coordinates.
  QPointF widgetPoint(DialPoint point) const;
  // Frames painted so far, and the pixel ratio of the kept picture.
  int frames() const { return frames_; }
  qreal backgroundRatio() const { return background_.devicePixelRatio(); }

 signals:
  void pointerMoved(int pointer);

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  DialLook look() const;
  void relayout();
  void paintBackground();
  QPointF fromCentre(QPointF position) const;
  void pointAt(QPointF position);

  std::optional<TransitRecord> record_;
  double orb_ = 0;
  DialSize dial_;
  std::array<bool, 4> shownRings_ = {true, true, true, true};
  std::vector<FactorVariant> marked_;
  DialPicture picture_;
  QPixmap background_;
  int pointer_ = 0;
  bool dragging_ = false;
  int frames_ = 0;
  int wheelRest_ = 0;  // wheel angle short of a whole notch
};

}  // namespace kelvaro::ui
