#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/dial_size.h"
#include "core/factor.h"
#include "core/transit_record.h"

namespace kelvaro {

// One side of a planetary picture: an angle, one factor variant, or two
// combined as midpoint ("SOr/MOr"), sum ("SOr+MOr") or difference
// ("SOr-MOr").
struct PictureTerm {
  enum class Kind : std::uint8_t { angle, factor, midpoint, sum, difference };
  Kind kind = Kind::factor;
  FactorVariant first{};   // all but an angle
  FactorVariant second{};  // midpoint, sum and difference
  double angle = 0;        // degrees, for an angle

  static PictureTerm ofAngle(double degrees) { return {Kind::angle, {}, {}, degrees}; }
  static PictureTerm ofFactor(FactorVariant factor) { return {Kind::factor, factor, {}, 0}; }
  static PictureTerm ofPair(Kind kind, FactorVariant first, FactorVariant second) {
    return {kind, first, second, 0};
  }

  friend bool operator==(const PictureTerm&, const PictureTerm&) = default;
};

// A planetary picture that a result line names: its two sides meet on the
// dial ("SOr/MOr = MCr/MOp"), in the order the line names them.
struct Picture {
  std::size_t line = 0;  // the result line that names it
  PictureTerm left;
  PictureTerm right;

  friend bool operator==(const Picture&, const Picture&) = default;
};

// '/', '+' or '-' of a pair; ' ' for an angle or a single factor.
char termOperator(PictureTerm::Kind kind);
// The pair an operator '/', '+' or '-' makes; none for any other character.
std::optional<PictureTerm::Kind> pairKind(char op);

// A side as a person writes it, "MA/SA" or "JU + PL": each factor's text
// without the blanks around it and the operator between them; a single
// factor has the operator ' ' and no second text.
struct WrittenTerm {
  std::string_view first;
  char op = ' ';
  std::string_view second;
};
// The side `text` split at its operator; none where more than two factors
// are written ("MA/SA/JU"). The factor names are not checked.
std::optional<WrittenTerm> splitWrittenTerm(std::string_view text);

// The value of a side as the searches compare it: the longitude, the raw
// midpoint (a + b) / 2, sum a + b or difference a − b, or the angle; it is
// placed on a dial by DialSize::place.
double termValue(const TransitRecord& record, const PictureTerm& term);

// "SOr/MOr", "MCr", or the angle as "07°30'" ("245°30'" from 100° on).
std::string termText(const PictureTerm& term);
// "SOr/MOr = MCr/MOp".
std::string pictureText(const Picture& picture);

// How far the two sides stand apart on the dial, in degrees (0 … half the dial).
double pictureDeviation(const TransitRecord& record, const Picture& picture, DialSize dial);

}  // namespace kelvaro
