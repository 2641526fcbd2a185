#include "chart/directions.h"

#include "chart/ephemeris.h"
#include "core/factor.h"

namespace kelvaro::chart {

double progressedDay(double birth, double moment) {
  return birth + (moment - birth) / kProgressionYear;
}

SolarArc solarArc(double radixSun, double progressed) {
  const BodyPosition sun = bodyPosition(factor::SO, progressed);
  return {normalizedDegrees(sun.longitude - radixSun), sun.speed / kProgressionYear};
}

double progressedAscendant(double progressedMc, double birthLatitude, double progressed) {
  return ascendantForMc(progressedMc, birthLatitude, trueObliquity(progressed));
}

}  // namespace kelvaro::chart
