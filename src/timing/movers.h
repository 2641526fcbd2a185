#pragma once

#include <array>
#include <string>

#include "chart/chart_entry.h"
#include "core/factor.h"
#include "core/transit_record.h"
#include "timing/crossing_search.h"

// What moves over a person's radix points, as the transit files Kelvaro
// makes define it. With B the birth and t any moment (UT Julian days):
//   S  every factor MC … PO at R + a(t), where the solar arc a(t) is the
//      Sun at the progressed day p(t) = B + (t − B) / 365.242189 minus the
//      radix Sun (WI too: the directed Aries point stands at a(t));
//   P  the bodies at their places at p(t), MC at R MC + a(t), AS the
//      ascendant of that MC at the birth latitude (WI stays at 0);
//   T  the bodies of the transit calendar at t.
// The Hamburg bodies CU … PO come smoothed between whole days (see
// smooth_bodies.h), here and in the transit calendar. What P computes
// otherwise than the radix (AS, the smoothed bodies) goes from the radix
// place as it moves, so that at the birth S and P stand exactly on R.
namespace kelvaro::timing {

// In the order of the list.
enum class MoverKind { solarArc, progressed, transit };
inline constexpr std::array<MoverKind, 3> kMoverKinds = {MoverKind::solarArc, MoverKind::progressed,
                                                         MoverKind::transit};

// The kinds a request lists.
struct MoverChoice {
  bool solarArc = false;
  bool progressed = false;
  bool transit = true;

  bool includes(MoverKind kind) const;
  bool directions() const { return solarArc || progressed; }  // S or P
  bool any() const { return solarArc || progressed || transit; }
};

// The horoscope whose positions a kind moves: s, p or t.
Variant variantOf(MoverKind kind);

// Whether a factor (1 … 22) moves as that kind.
bool moves(MoverKind kind, int factor);

// Whether it can turn back (and so cross a point several times in one
// loop): the bodies but the Sun, the Moon and the mean node, as P and T.
bool canTurn(MoverKind kind, int factor);

// One person's radix and every mover that starts from it.
class Movers {
 public:
  explicit Movers(const chart::BirthData& birth);

  double birth() const { return birth_; }  // UT Julian day
  const TransitRecord& radix() const { return radix_; }

  // The solar arc a(t) in degrees (0 at the birth, [0, 360)) with its speed
  // per day of t.
  Motion arc(double t) const;

  // Where `factor` stands as `kind` at t (degrees in [0, 360)), with its
  // speed per day of t. The factor must move as that kind.
  Motion motion(MoverKind kind, int factor, double t) const;

 private:
  Motion progressed(int factor, double t) const;

  double birth_;
  double latitude_;
  TransitRecord radix_;
  double ascendantAtBirth_;  // the ascendant of the radix MC at the birth latitude
  std::array<double, factor::kLastInTables + 1> smoothedAtBirth_{};  // CU … PO at the birth
};

}  // namespace kelvaro::timing
