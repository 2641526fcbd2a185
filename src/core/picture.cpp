#include "core/picture.h"

#include <cmath>
#include <cstdio>

#include "core/entry_text.h"

namespace kelvaro {
namespace {

// Whole minutes of an angle as "DD°MM'", three places for the degrees from 100° on.
std::string angleText(double degrees) {
  const long minutes = std::lround(std::fabs(degrees) * 60);
  char text[24];
  std::snprintf(text, sizeof text, "%s%02ld°%02ld'", degrees < 0 ? "-" : "", minutes / 60,
                minutes % 60);
  return text;
}

}  // namespace

char termOperator(PictureTerm::Kind kind) {
  switch (kind) {
    case PictureTerm::Kind::midpoint:
      return '/';
    case PictureTerm::Kind::sum:
      return '+';
    case PictureTerm::Kind::difference:
      return '-';
    case PictureTerm::Kind::angle:
    case PictureTerm::Kind::factor:
      break;
  }
  return ' ';
}

std::optional<PictureTerm::Kind> pairKind(char op) {
  switch (op) {
    case '/':
      return PictureTerm::Kind::midpoint;
    case '+':
      return PictureTerm::Kind::sum;
    case '-':
      return PictureTerm::Kind::difference;
    default:
      return std::nullopt;
  }
}

std::optional<WrittenTerm> splitWrittenTerm(std::string_view text) {
  constexpr std::string_view kOperators = "/+-";
  text = trimmed(text);
  const std::size_t at = text.find_first_of(kOperators);
  if (at == std::string_view::npos) return WrittenTerm{text, ' ', {}};
  const std::string_view rest = text.substr(at + 1);
  if (rest.find_first_of(kOperators) != std::string_view::npos) return std::nullopt;
  return WrittenTerm{trimmed(text.substr(0, at)), text[at], trimmed(rest)};
}

double termValue(const TransitRecord& record, const PictureTerm& term) {
  const auto longitude = [&record](FactorVariant f) {
    return record.position(f.variant, f.factor);
  };
  switch (term.kind) {
    case PictureTerm::Kind::angle:
      return term.angle;
    case PictureTerm::Kind::factor:
      return longitude(term.first);
    case PictureTerm::Kind::midpoint:
      return (longitude(term.first) + longitude(term.second)) / 2;
    case PictureTerm::Kind::sum:
      return longitude(term.first) + longitude(term.second);
    case PictureTerm::Kind::difference:
      return longitude(term.first) - longitude(term.second);
  }
  return 0;
}

std::string termText(const PictureTerm& term) {
  if (term.kind == PictureTerm::Kind::angle) return angleText(term.angle);
  std::string text = factorVariantName(term.first.factor, term.first.variant);
  if (term.kind == PictureTerm::Kind::factor) return text;
  text += termOperator(term.kind);
  text += factorVariantName(term.second.factor, term.second.variant);
  return text;
}

std::string pictureText(const Picture& picture) {
  return termText(picture.left) + " = " + termText(picture.right);
}

double pictureDeviation(const TransitRecord& record, const Picture& picture, DialSize dial) {
  return dial.distance(termValue(record, picture.left), termValue(record, picture.right));
}

}  // namespace kelvaro
