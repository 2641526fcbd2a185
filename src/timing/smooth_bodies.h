#pragma once

#include "timing/crossing_search.h"

// The eight Hamburg bodies CU … PO as the searches see them. They move by
// arc minutes a week, but the ephemeris' apparent places of them jump by a
// few arc seconds within hours while the Sun passes in front of them (its
// light deflection there), and their speed flips sign each time: the
// crossing search took every jump for a station and listed three passes for
// one. So they are taken at whole days (0:00 UT) and joined by the cubic
// through the places and speeds of each two neighbouring days, the speed of
// a day being its neighbours' difference: smooth, within a thousandth of an
// arc second of the ephemeris away from those hours, and turning only where
// the body really turns. Transit files keep the ephemeris' places.
namespace kelvaro::timing {

// Whether a factor is one of them (CU … PO).
bool isSmoothedBody(int factor);

// A body's longitude (degrees in [0, 360)) and speed (degrees per day) at a
// UT Julian day: smoothed for CU … PO, the ephemeris' own for the others.
Motion bodyMotion(int factor, double julianDay);

}  // namespace kelvaro::timing
