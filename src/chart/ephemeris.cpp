#include "chart/ephemeris.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/factor.h"

namespace kelvaro::chart {
namespace {

// Bodies of the factors 1 … 22 in table order; -1 where the factor is no body.
constexpr std::array<int, factor::kLastInTables> kBodies = {
    -1,      -1,         SE_SUN,     -1,         SE_MOON,     SE_MEAN_NODE, SE_MERCURY, SE_VENUS,
    SE_MARS, SE_JUPITER, SE_SATURN,  SE_URANUS,  SE_NEPTUNE,  SE_PLUTO,     SE_CUPIDO,  SE_HADES,
    SE_ZEUS, SE_KRONOS,  SE_APOLLON, SE_ADMETOS, SE_VULKANUS, SE_POSEIDON};

std::mutex& libraryLock() {
  static std::mutex lock;
  return lock;
}

// The library's built-in analytical theory, always: it needs no files, and
// every machine computes the same positions (within 0.003° of the Debian
// ephemeris files from 1800 to 2399).
constexpr int kEphemerisFlag = SEFLG_MOSEPH;

// Sets SE_EPHE_PATH; an empty value removes it.
void setEphemerisVariable(const char* value) {
#ifdef _WIN32
  _putenv_s("SE_EPHE_PATH", value);  // an empty value removes it
#else
  if (*value == '\0') {
    ::unsetenv("SE_EPHE_PATH");
  } else {
    ::setenv("SE_EPHE_PATH", value, 1);
  }
#endif
}

// The file search path names no folder, so no file can change a result:
// neither a stray elements file in the working folder nor the one of
// Debian's data package, whose Kronos differs from the built-in elements by
// up to 0.02°. The library reads the path once, here, and prefers the
// environment's SE_EPHE_PATH to the one it is given; so the variable is
// hidden from it for that moment. This runs while the program starts, before
// any thread that could read the environment meanwhile, and leaves the
// environment as it was for the programs this one starts.
[[maybe_unused]] const bool kNoEphemerisFolder = [] {
  const char* inherited = std::getenv("SE_EPHE_PATH");
  const std::optional<std::string> saved =
      inherited ? std::optional<std::string>(inherited) : std::nullopt;
  if (saved) setEphemerisVariable("");
#ifdef _WIN32
  static char noFolder[] = "NUL";  // the library refuses a path with "/" there
#else
  static char noFolder[] = "/dev/null";
#endif
  swe_set_ephe_path(noFolder);
  if (saved) setEphemerisVariable(saved->c_str());
  return true;
}();

}  // namespace

std::optional<int> ephemerisBody(int factorNumber) {
  if (factorNumber < 1 || factorNumber > factor::kLastInTables) return std::nullopt;
  const int body = kBodies[static_cast<std::size_t>(factorNumber - 1)];
  if (body < 0) return std::nullopt;
  return body;
}

bool isBodyFactor(int factorNumber) { return ephemerisBody(factorNumber).has_value(); }

namespace {

// Longitude and, with SEFLG_SPEED in `flags`, the speed of a body factor.
std::array<double, 6> calculated(int factorNumber, double julianDayUt, int flags) {
  const auto body = ephemerisBody(factorNumber);
  if (!body) throw std::invalid_argument("no ephemeris body for this factor");
  std::array<double, 6> result{};
  std::array<char, AS_MAXCH> error{};
  const std::scoped_lock lock(libraryLock());
  if (swe_calc_ut(julianDayUt, *body, kEphemerisFlag | flags, result.data(), error.data()) < 0) {
    throw std::runtime_error(std::string("ephemeris: ") + error.data());
  }
  return result;
}

}  // namespace

BodyPosition bodyPosition(int factorNumber, double julianDayUt) {
  const std::array<double, 6> result = calculated(factorNumber, julianDayUt, SEFLG_SPEED);
  return {normalizedDegrees(result[0]), result[3]};
}

double bodyLongitude(int factorNumber, double julianDayUt) {
  return normalizedDegrees(calculated(factorNumber, julianDayUt, 0)[0]);
}

Angles anglesAt(double julianDayUt, double latitude, double longitude) {
  std::array<double, 13> cusps{};
  std::array<double, 10> ascmc{};
  const std::scoped_lock lock(libraryLock());
  // Placidus fails in polar latitudes; MC and AS do not depend on the system.
  swe_houses_ex(julianDayUt, kEphemerisFlag, latitude, longitude, 'O', cusps.data(), ascmc.data());
  return {normalizedDegrees(ascmc[SE_MC]), normalizedDegrees(ascmc[SE_ASC])};
}

double ascendantForMc(double mc, double latitude, double obliquity) {
  constexpr double kRadians = std::numbers::pi / 180.0;
  const double lambda = mc * kRadians;
  // Right ascension of the ecliptic point with longitude mc (same quadrant).
  double armc = std::atan2(std::sin(lambda) * std::cos(obliquity * kRadians), std::cos(lambda));
  armc = normalizedDegrees(armc / kRadians);
  std::array<double, 13> cusps{};
  std::array<double, 10> ascmc{};
  const std::scoped_lock lock(libraryLock());
  swe_houses_armc(armc, latitude, obliquity, 'O', cusps.data(), ascmc.data());
  return normalizedDegrees(ascmc[SE_ASC]);
}

double trueObliquity(double julianDayUt) {
  std::array<double, 6> result{};
  std::array<char, AS_MAXCH> error{};
  const std::scoped_lock lock(libraryLock());
  if (swe_calc_ut(julianDayUt, SE_ECL_NUT, kEphemerisFlag, result.data(), error.data()) < 0) {
    throw std::runtime_error(std::string("ephemeris: ") + error.data());
  }
  return result[0];
}

double julianDayUt(int year, int month, int day, double hours) {
  return swe_julday(year, month, day, hours, SE_GREG_CAL);
}

namespace {
constexpr double kUnixEpoch = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kSecondsPerDay = 86400.0;
}  // namespace

double julianDayUt(std::chrono::sys_seconds moment) {
  return kUnixEpoch + static_cast<double>(moment.time_since_epoch().count()) / kSecondsPerDay;
}

double secondsSince1970(double julianDayUt) { return (julianDayUt - kUnixEpoch) * kSecondsPerDay; }

std::chrono::sys_seconds utMoment(double julianDayUt) {
  const double seconds = std::round(secondsSince1970(julianDayUt));
  return std::chrono::sys_seconds(std::chrono::seconds(static_cast<long long>(seconds)));
}

double normalizedDegrees(double degrees) {
  double reduced = std::fmod(degrees, 360.0);
  if (reduced < 0) reduced += 360.0;
  // fmod of a tiny negative number plus 360 rounds to 360.
  return reduced >= 360.0 ? 0.0 : reduced;
}

}  // namespace kelvaro::chart
