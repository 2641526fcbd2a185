#pragma once

#include <array>
#include <vector>

#include "core/dial_size.h"
#include "core/transit_record.h"

// The dial as a picture: where every factor variant MC … PO stands, on
// which ring, and where its name is written. The plane has its origin at
// the centre of the disc and y pointing down, as on a screen; 0° is at the
// top and the dial values increase counter-clockwise, the whole dial being
// one turn of the circle (on the standard dial one dial degree is 16°).
namespace kelvaro {

struct DialPoint {
  double x = 0;
  double y = 0;
};

// The sizes the window gives, in its own units (pixels).
struct DialGeometry {
  double ringsInner = 0;  // radius where the innermost ring (r) begins
  double ringsOuter = 0;  // radius where the outermost ring (t) ends
  double nameWidth = 0;   // the box of one written name
  double nameHeight = 0;
};

// One factor variant on the dial.
struct DialName {
  int factor = 0;         // 1 (MC) … 22 (PO)
  Variant variant{};      // its ring
  double dialValue = 0;   // its position placed on the dial (dialPlace)
  DialPoint truePlace;    // the mark at dialValue on its ring
  DialPoint centre;       // centre of the written name, pushed aside when names crowd
  DialPoint leaderStart;  // the point of the name's box nearest to truePlace
};

struct DialLayout {
  // Radius of each ring's marks, r … t (the rings of hidden variants too).
  std::array<double, 4> ringRadius{};
  // Radius of the centres of each ring's names.
  std::array<double, 4> nameRadius{};
  // The names of the shown rings: ring by ring (r … t), factors in table order.
  std::vector<DialName> names;
};

// A longitude brought onto the dial, in [0, size). On the standard dial:
// modus22, negative results moved up by 22.5.
double dialPlace(double longitude, DialSize dial = DialSize::standard());

// The point at a dial value on a circle of the given radius.
DialPoint pointOnDial(double dialValue, double radius, DialSize dial = DialSize::standard());
// The dial value in [0, size) of the direction from the centre to p.
double dialValueAt(DialPoint p, DialSize dial = DialSize::standard());

// Names on one ring keep at least the distance of their boxes' diagonal,
// so no two boxes overlap; a ring's names stay within its own band, so the
// rings do not overlap either, as long as each band (a quarter of
// ringsOuter − ringsInner) is at least 1.12 diagonals high. Crowded names
// are spread evenly around the mean of their places, as little as needed.
DialLayout layoutDial(const TransitRecord& record, const std::array<bool, 4>& shownRings,
                      const DialGeometry& geometry, DialSize dial = DialSize::standard());

}  // namespace kelvaro
