#pragma once

// The progression and the solar arc as the transit files are made: a day
// after the birth stands for a year of life, and the solar arc is the way
// the progressed Sun has gone since the birth. Times are UT Julian days.
namespace kelvaro::chart {

// Length of the tropical year in days.
inline constexpr double kProgressionYear = 365.242189;

// The progressed moment of `moment`: birth + (moment − birth) / 365.242189.
double progressedDay(double birth, double moment);

// The solar arc: the Sun at the progressed day minus the radix Sun, in
// [0, 360), and its speed in degrees per day of life (not of the
// progressed day).
struct SolarArc {
  double degrees = 0;
  double speed = 0;
};
SolarArc solarArc(double radixSun, double progressed);

// The progressed AS: the ascendant of the progressed MC at the birth
// latitude, on the ecliptic of the progressed day.
double progressedAscendant(double progressedMc, double birthLatitude, double progressed);

}  // namespace kelvaro::chart
