#include "timing/movers.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "chart/directions.h"
#include "chart/ephemeris.h"
#include "chart/transit_chart.h"
#include "timing/smooth_bodies.h"
#include "timing/transit_calendar.h"

namespace kelvaro::timing {
namespace {

// The step of MC over which the speed of the progressed AS is measured.
constexpr double kMcStep = 0.01;

bool isCalendarBody(int factor) {
  return std::find(kCalendarBodies.begin(), kCalendarBodies.end(), factor) != kCalendarBodies.end();
}

Motion ephemerisMotion(int factor, double julianDay, double speedScale) {
  const Motion motion = bodyMotion(factor, julianDay);
  return {motion.longitude, motion.speed * speedScale};
}

// A place that starts on `radix` at the birth and goes as `now` goes from
// `atBirth`.
double fromRadix(double radix, double now, double atBirth) {
  return chart::normalizedDegrees(radix + std::remainder(now - atBirth, 360.0));
}

}  // namespace

bool MoverChoice::includes(MoverKind kind) const {
  switch (kind) {
    case MoverKind::solarArc:
      return solarArc;
    case MoverKind::progressed:
      return progressed;
    case MoverKind::transit:
      break;
  }
  return transit;
}

Variant variantOf(MoverKind kind) {
  switch (kind) {
    case MoverKind::solarArc:
      return Variant::s;
    case MoverKind::progressed:
      return Variant::p;
    case MoverKind::transit:
      break;
  }
  return Variant::t;
}

bool moves(MoverKind kind, int factor) {
  if (factor < 1 || factor > factor::kLastInTables) return false;
  switch (kind) {
    case MoverKind::solarArc:
      return true;
    case MoverKind::progressed:
      return factor != factor::WI;
    case MoverKind::transit:
      break;
  }
  return isCalendarBody(factor);
}

bool canTurn(MoverKind kind, int factor) {
  return kind != MoverKind::solarArc && chart::isBodyFactor(factor) && factor != factor::SO &&
         factor != factor::MO && factor != factor::KN;
}

Movers::Movers(const chart::BirthData& birth)
    : birth_(chart::julianDayUt(birth.moment)),
      latitude_(birth.latitude),
      radix_(chart::radixRecord(birth)),
      ascendantAtBirth_(
          chart::progressedAscendant(radix_.position(Variant::r, factor::MC), latitude_, birth_)) {
  for (int factor = 1; factor <= factor::kLastInTables; ++factor) {
    if (isSmoothedBody(factor)) smoothedAtBirth_.at(factor) = bodyMotion(factor, birth_).longitude;
  }
}

Motion Movers::arc(double t) const {
  const chart::SolarArc arc =
      chart::solarArc(radix_.position(Variant::r, factor::SO), chart::progressedDay(birth_, t));
  return {arc.degrees, arc.speed};
}

Motion Movers::motion(MoverKind kind, int factor, double t) const {
  if (!moves(kind, factor)) throw std::invalid_argument("the factor does not move as this kind");
  switch (kind) {
    case MoverKind::solarArc: {
      const Motion a = arc(t);
      return {chart::normalizedDegrees(radix_.position(Variant::r, factor) + a.longitude), a.speed};
    }
    case MoverKind::progressed:
      return progressed(factor, t);
    case MoverKind::transit:
      break;
  }
  return ephemerisMotion(factor, t, 1);
}

Motion Movers::progressed(int factor, double t) const {
  const double day = chart::progressedDay(birth_, t);
  if (isSmoothedBody(factor)) {
    // The smoothed place misses the radix by a trace at the birth: it goes
    // from the radix instead, as AS does below.
    const Motion body = ephemerisMotion(factor, day, 1 / chart::kProgressionYear);
    return {
        fromRadix(radix_.position(Variant::r, factor), body.longitude, smoothedAtBirth_.at(factor)),
        body.speed};
  }
  if (chart::isBodyFactor(factor)) return ephemerisMotion(factor, day, 1 / chart::kProgressionYear);
  const Motion a = arc(t);
  const double mc = chart::normalizedDegrees(radix_.position(Variant::r, factor::MC) + a.longitude);
  if (factor == factor::MC) return {mc, a.speed};
  // AS goes from the radix AS the way the ascendant of the progressed MC goes:
  // at the birth it stands on the radix AS itself, which the ascendant of the
  // radix MC misses by rounding (and would reach at once, a hit that is none).
  const double as = fromRadix(radix_.position(Variant::r, factor::AS),
                              chart::progressedAscendant(mc, latitude_, day), ascendantAtBirth_);
  // Its speed is the arc's times the rate at which AS moves with MC.
  const double ahead = chart::progressedAscendant(mc + kMcStep, latitude_, day);
  const double behind = chart::progressedAscendant(mc - kMcStep, latitude_, day);
  const double perMc = std::remainder(ahead - behind, 360.0) / (2 * kMcStep);
  return {as, perMc * a.speed};
}

}  // namespace kelvaro::timing
