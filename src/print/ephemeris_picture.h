#pragma once

#include <cstddef>
#include <optional>

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include "chart/time_zone.h"
#include "timing/ephemeris_layout.h"

class QPaintDevice;
class QPainter;

namespace kelvaro {

// The colour of a kind of mover: S blue, P green, T red.
QColor moverColour(timing::MoverKind kind);

// Where a shown stretch of time lies on the paint device: the plot
// rectangle (time to the right, the dial upwards) and the days it shows.
struct EphemerisView {
  QRectF plot;
  double from = 0;  // UT Julian days at the left and the right edge
  double to = 1;
  double dialDegrees = DialSize::standard().degrees();  // the height of the plot

  QPointF pixelOf(timing::CurvePoint at) const;
  timing::CurvePoint pointOf(QPointF pixel) const;
  double pixelsPerDay() const { return plot.width() / (to - from); }
  double pixelsPerDegree() const { return plot.height() / dialDegrees; }
};

// Paints an ephemeris layout: the degree scale at the right, the radix lines
// with their labels at the left, the time scale below, the curves (retrograde
// stretches dashed) with their names, the hit marks. Only what lies in the
// shown stretch of time is drawn.
class EphemerisPicture {
 public:
  EphemerisPicture(const timing::EphemerisLayout* layout, chart::TimeZone zone, QFont font);

  // The view of [from, to] in `area` of `device`: the plot leaves room for
  // the scales.
  EphemerisView viewIn(const QPaintDevice* device, const QRectF& area, double from,
                       double to) const;

  // Paints the view; `chosen` (an index into the marks) is drawn larger,
  // `today` (a Julian day) as a vertical line.
  void paint(QPainter& painter, const EphemerisView& view,
             std::optional<std::size_t> chosen = std::nullopt,
             std::optional<double> today = std::nullopt) const;

 private:
  void paintGrid(QPainter& painter, const EphemerisView& view) const;
  void paintRadixLines(QPainter& painter, const EphemerisView& view) const;
  void paintCurves(QPainter& painter, const EphemerisView& view) const;
  void paintCurveLabels(QPainter& painter, const EphemerisView& view) const;
  void paintMarks(QPainter& painter, const EphemerisView& view,
                  std::optional<std::size_t> chosen) const;

  const timing::EphemerisLayout* layout_;
  chart::TimeZone zone_;
  QFont font_;
};

}  // namespace kelvaro
