#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/dial_size.h"
#include "core/short_text.h"

// Angle arithmetic on the 22.5° dial and the fixed-width angle and number
// texts of every overview and search. All functions are pure; the formulas
// (truncation toward zero, rounding half down) are kept literally, because
// the result tables depend on them to the last minute.
//
// Kept names (German, from the program's first form) and what they mean:
//   std_ho        "Standard-Hilfsoperationen": this file, the shared arithmetic and texts
//   modus22       a value reduced to the 22.5° dial; modus30 to the 30° sign
//   haus          the MC house (1–12) of a factor; halbsum_mchaus of a midpoint or sum
//   runden        "round": half down, the caller truncates
//   zahl_text     a whole number as zero-padded text ("Zahl": number)
//   winkel_text   an angle as "DD°MM'" ("Winkel": angle)
//   grad3_text    an angle as "DDD°MM'" ("Grad": degree); grad3_kurz without the first digit
//   vier_summen   "four sums": the content overview (loading/content_overview.h)
// NOLINTBEGIN(readability-identifier-naming): the kept names above
namespace kelvaro {

// The standard dial of the searches and overviews.
inline constexpr double kDial = DialSize::standard().degrees();

// Trunc toward zero, converted to int; NaN gives 0 and values beyond the
// int range are clamped, so no position can cause undefined behaviour.
int truncToInt(double x);

// x − Trunc(x × 10 / 225) × 22.5; keeps the sign of x.
inline double modus22(double x) { return x - std::trunc(x * 10 / 225) * kDial; }
// x − Trunc(x / 30) × 30; keeps the sign of x.
double modus30(double x);

// Midpoint A/B and sum A+B of two longitudes.
inline double midpoint(double a, double b) { return (a + b) / 2; }
inline double sum(double a, double b) { return a + b; }
// A longitude shown in the zodiac: 360 is subtracted once from values above 360.
double sumAsLongitude(double a, double b);

// A value below 0 or above 22.5 brought onto the dial: fmod(v, 22.5), plus
// 22.5 when negative. Values from 0 to 22.5 are returned as they are, so the
// comparisons of ordinary dial values keep their exact boundaries.
double placeFarOnDial(double v);  // the values below 0 or from 45 on
inline double placeOnDial(double v) {
  if (v >= 0 && v <= kDial) return v;
  // Up to 45 the remainder is v − 22.5, which is exact there (fmod is too).
  if (v > kDial && v < 2 * kDial) return v - kDial;
  return placeFarOnDial(v);
}

// Two dial values meet when, placed on the dial, d = |a − b| < orb or
// d > 22.5 − orb (both strict). A negative difference keeps its sign in the
// texts but is compared where it stands on the dial (−1° stands at 21°30').
// Inline with modus22: the searches call both thousands of times per run.
// The bit patterns of the doubles from +0 to 22.5 are exactly the integers up
// to that of 22.5, so one integer comparison finds the common case of two
// values on the dial; the rare others take the call.
inline bool orbHit(double a, double b, double orb) {
  constexpr auto kDialBits = std::bit_cast<std::uint64_t>(kDial);
  if (std::max(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b)) > kDialBits) {
    a = placeOnDial(a);
    b = placeOnDial(b);
  }
  const double d = std::fabs(a - b);
  // Both comparisons without a branch between them: whether a value meets is
  // as good as random, and a mispredicted branch costs more than the second.
  return (d < orb) | (d > kDial - orb);
}

// MC house 1–12 of a factor (MC itself is always house 10).
int haus(int factorNumber, double longitude, double mcLongitude);
// MC house of a midpoint or sum value.
int halbsum_mchaus(double longitude, double mcLongitude);

// "WID" … "FIS", or empty outside [0, 360).
std::string signAbbreviation(double longitude);

// x + 1 when Frac(x) > 0.5, else x (callers truncate afterwards).
double runden(double x);

// v as an unsigned 16-bit number, zero-padded to width w ("05", "000", "123").
std::string zahl_text(std::int64_t v, int width);

enum class AngleMode { dial22 = 22, sign30 = 30 };
// "DD°MM'" of x reduced to the dial or to the sign; "-" in front when x < 0.
std::string winkel_text(double x, int width, AngleMode mode);
// winkel_text(x, 2, AngleMode::dial22), the dial value text of every list,
// held in place for the lists that write thousands of them.
ShortText dialText(double x);
// The minute of the dial (0 … kLastDialMinute) that dialText shows for
// 0 ≤ a < 45, and its text: the longest lists show tens of thousands of
// them. Below 22.5 the value itself is split, above it a − 22.5 (which is
// exact there); whole degrees, and the minutes of the truncated seconds
// rounded half down, 60 of them carried into the degrees.
inline constexpr int kLastDialMinute = 22 * 60 + 30;
inline int dialMinute(double a) {
  const double reduced = a < kDial ? a : a - kDial;
  const int degrees = static_cast<int>(reduced);
  const int seconds = static_cast<int>((reduced - degrees) * 3600);
  return degrees * 60 + seconds / 60 + (seconds % 60 > 30 ? 1 : 0);
}
extern const std::array<ShortText, kLastDialMinute + 1> kDialMinuteTexts;
inline const ShortText& dialMinuteText(int minute) {
  return kDialMinuteTexts.at(static_cast<std::size_t>(minute));
}
inline std::string dialString(double x) { return std::string(dialText(x).view()); }
// "DDD°MM'".
std::string grad3_text(double x);
// Characters 2 to 7 of grad3_text ("005°15'" → "05°15'").
std::string grad3_kurz(double x);
// "hh:mm" of an entered angle (the orb, the search angle).
std::string grad_minuten_text(double x);

}  // namespace kelvaro
// NOLINTEND(readability-identifier-naming)
