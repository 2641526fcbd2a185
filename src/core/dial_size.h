#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/checked.h"

// The size of the dial everything is reduced to: 360°, 90°, 45°, 22.5° or
// 11.25°. The one place that knows the modulus; drawing, pointer and timing
// take it from here. The searches and overviews work on the standard 22.5°
// dial, their method.
namespace kelvaro {

class DialSize {
 public:
  // The five sizes, largest first: the whole circle and its quarter, eighth,
  // sixteenth and thirty-second part.
  enum class Kind { full, quarter, eighth, sixteenth, thirtySecond };

  constexpr DialSize() = default;
  constexpr explicit DialSize(Kind kind) : kind_(kind) {}
  static constexpr DialSize standard() { return DialSize(Kind::sixteenth); }

  constexpr Kind kind() const { return kind_; }
  constexpr bool isStandard() const { return kind_ == Kind::sixteenth; }
  // The modulus in degrees.
  constexpr double degrees() const {
    switch (kind_) {
      case Kind::full:
        return 360;
      case Kind::quarter:
        return 90;
      case Kind::eighth:
        return 45;
      case Kind::sixteenth:
        break;
      case Kind::thirtySecond:
        return 11.25;
    }
    return 22.5;
  }

  // A longitude reduced to the dial, in [0, degrees()).
  double place(double longitude) const;
  // The distance of two longitudes on the dial, 0 … degrees() / 2.
  double distance(double a, double b) const;

  // "22,5°", "90°".
  std::string sizeText() const;
  // "22,5°-Scheibe", "90°-Scheibe".
  std::string label() const;
  // "22.5", "90": the value of --dial= that asks for this size.
  std::string optionText() const;
  // The place of a longitude on the dial as "DD°MM'" ("DDD°MM'" on 360°).
  std::string placeText(double longitude) const;

  friend constexpr bool operator==(DialSize, DialSize) = default;

 private:
  Kind kind_ = Kind::sixteenth;
};

inline constexpr std::array<DialSize, 5> kDialSizes = {
    DialSize(DialSize::Kind::full), DialSize(DialSize::Kind::quarter),
    DialSize(DialSize::Kind::eighth), DialSize(DialSize::Kind::sixteenth),
    DialSize(DialSize::Kind::thirtySecond)};

// "360", "90", "45", "22.5" or "22,5", "11.25" or "11,25" (blanks around
// allowed, a trailing "°" too); anything else is refused with a message
// that names the five sizes.
Checked<DialSize> parseDialSize(std::string_view text);

}  // namespace kelvaro
