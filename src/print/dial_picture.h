#pragma once

#include <array>
#include <span>

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "core/factor.h"
#include "core/transit_record.h"
#include "search/dial_layout.h"

class QPainter;

namespace kelvaro {

// The colours of a picture of the dial: the window's on the screen, black
// and one accent colour on paper.
struct DialColours {
  QColor ground;      // behind the disc; an invalid colour leaves the ground as it is
  QColor ink;         // scale, ticks, marks and names
  QColor numbers;     // the degree numbers around the scale
  QColor rings;       // the dotted ring circles and the leaders to the names
  QColor accent;      // pointer, orb sector, names in the pointer's axis, marks
  QColor axisGround;  // behind a name in the pointer's axis
};

struct DialLook {
  DialColours colours;
  QFont names;    // the factor names on the rings
  QFont numbers;  // the degree numbers of the scale
};

// The dial of a record (22.5° or another size) as a picture that fills an area of a given
// size, painted around the painter's origin (the centre of the disc): the
// scale with its degree numbers, the rings that are shown with the names of
// their factors, the pointer with its orb sector, and the names in the
// pointer's axis or marked. The window paints it on the screen, the dial
// sheet on paper, each with its own look.
class DialPicture {
 public:
  DialPicture() = default;
  // Without a record (null) the picture is the scale alone.
  DialPicture(const TransitRecord* record, const std::array<bool, 4>& shownRings, QSizeF size,
              DialLook look, DialSize dial = DialSize::standard());

  const DialLayout& layout() const { return layout_; }
  const DialGeometry& geometry() const { return geometry_; }
  const DialLook& look() const { return look_; }
  DialSize dial() const { return dial_; }
  double scaleRadius() const { return scaleRadius_; }

  // The box of a written name, and the name whose box holds a point
  // (both around the centre of the disc).
  QRectF nameBox(const DialName& name) const;
  const DialName* nameAt(QPointF fromCentre) const;

  // What does not move with the pointer: scale, rings and names.
  void paintFixed(QPainter& painter) const;
  // The pointer with its orb sector.
  void paintPointer(QPainter& painter, int pointer, double orb) const;
  // Names in the pointer's axis stand out; marked ones get a frame.
  void paintHighlights(QPainter& painter, int pointer, double orb,
                       std::span<const FactorVariant> marked) const;

 private:
  void paintScale(QPainter& painter) const;
  void paintNames(QPainter& painter) const;

  bool hasRecord_ = false;
  std::array<bool, 4> shownRings_{};
  DialLook look_;
  DialSize dial_;
  double scaleRadius_ = 0;
  DialGeometry geometry_;
  DialLayout layout_;
};

}  // namespace kelvaro
