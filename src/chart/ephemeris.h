#pragma once

#include <chrono>
#include <optional>

namespace kelvaro::chart {

// Positions from the Swiss Ephemeris. Every longitude is tropical,
// geocentric and apparent (light time, aberration, nutation; true equinox of
// date), in degrees within [0, 360). Times are Julian days in UT.
//
// The computations run with the library's built-in analytical theory and
// the built-in orbital elements of the fictitious bodies, whatever files are
// installed, so the results are the same on every machine. The library keeps
// global state, so every call here holds one lock: the functions may be
// called from any thread.

// The body behind factor SO … PO (KN: the mean lunar node). MC, WI, AS, GZ
// and Du are no bodies.
std::optional<int> ephemerisBody(int factorNumber);
bool isBodyFactor(int factorNumber);

struct BodyPosition {
  double longitude = 0;  // degrees, [0, 360)
  double speed = 0;      // degrees per day (negative while retrograde)
};

// Longitude and speed of a body factor (SO … PO) at a UT Julian day within
// the years 1800 to 2399. Throws std::invalid_argument for a factor that is
// no body and std::runtime_error when the library cannot compute it.
BodyPosition bodyPosition(int factorNumber, double julianDayUt);
// The longitude alone, in about half the time (the library computes the
// speed from further positions); it differs from bodyPosition()'s by less
// than a billionth of a degree.
double bodyLongitude(int factorNumber, double julianDayUt);

struct Angles {
  double mc = 0;  // medium coeli, [0, 360)
  double as = 0;  // ascendant, [0, 360)
};

// MC and AS for a place: latitude north positive, longitude east positive.
Angles anglesAt(double julianDayUt, double latitude, double longitude);

// The ascendant that belongs to the medium coeli `mc` at `latitude`, through
// the right ascension of `mc` on an ecliptic of the given obliquity.
double ascendantForMc(double mc, double latitude, double obliquity);

// True obliquity of the ecliptic (mean obliquity plus nutation) in degrees.
double trueObliquity(double julianDayUt);

// Julian day of a UT moment in the Gregorian calendar; `hours` may carry
// minutes and seconds as fractions.
double julianDayUt(int year, int month, int day, double hours);
double julianDayUt(std::chrono::sys_seconds moment);

// The UT moment of a Julian day, rounded to the nearest second.
std::chrono::sys_seconds utMoment(double julianDayUt);
// The seconds from 1970-01-01 00:00 UT to a Julian day, not rounded.
double secondsSince1970(double julianDayUt);

// `degrees` reduced to [0, 360).
double normalizedDegrees(double degrees);

}  // namespace kelvaro::chart
