#include "search/quadro_search.h"

#include <array>
#include <vector>

#include "core/entry_text.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr std::size_t kPictureLineLength = 118;  // characters; "°" counts one, is two bytes

struct QuadroEntry {
  std::array<int, 4> factors{};
  char leftOperator = '+';
  char rightOperator = '+';
};

std::optional<Rejection> checkPicture(const EntryText& entry, QuadroEntry& picture) {
  constexpr std::array<std::size_t, 4> kNamePositions = {1, 4, 7, 10};
  for (std::size_t k = 0; k < kNamePositions.size(); ++k) {
    const auto number = entry.factorAt(kNamePositions[k]);
    if (!number) return Rejection{std::string(kQuadroFactorMessage)};
    picture.factors[k] = *number;
  }
  if (entry.at(6) != U'=') return Rejection{std::string(kQuadroEqualsMessage)};
  // Any other operator would leave a side without a value.
  if (!entry.isOneOf(3, U"+/") || !entry.isOneOf(9, U"+/")) {
    return Rejection{std::string(kQuadroOperatorMessage)};
  }
  picture.leftOperator = static_cast<char>(entry.at(3));
  picture.rightOperator = static_cast<char>(entry.at(9));
  return std::nullopt;
}

// One side of the picture in one pair of variants: its dial value and its
// text "dial house within-sign sign" ("10°57' 11 03°27'LOE").
struct Side {
  double dial = 0;
  std::string text;
};

Side sideOf(double a, double b, char op, double mcProgressive) {
  Side side;
  double longitude = 0;
  if (op == '+') {
    side.dial = modus22(sum(a, b));
    longitude = sumAsLongitude(a, b);
  } else {
    side.dial = modus22(midpoint(a, b));
    longitude = midpoint(a, b);
  }
  side.text = winkel_text(longitude, 2, AngleMode::dial22) + " " +
              zahl_text(halbsum_mchaus(longitude, mcProgressive), 2) + " " +
              winkel_text(longitude, 2, AngleMode::sign30) + signAbbreviation(longitude);
  return side;
}

// The sixteen pairs of variants, first variant outermost.
constexpr std::size_t kVariantPairs = 16;
std::size_t pairIndex(std::size_t first, std::size_t second) { return first * 4 + second; }

// The sides of a pair of factors in every pair of variants.
std::array<Side, kVariantPairs> sidesOf(const TransitRecord& record, int first, int second,
                                        char op) {
  const double mcProgressive = record.position(Variant::p, factor::MC);
  std::array<Side, kVariantPairs> sides;
  for (std::size_t x = 0; x < 4; ++x) {
    for (std::size_t y = 0; y < 4; ++y) {
      sides[pairIndex(x, y)] = sideOf(record.position(kVariants[x], first),
                                      record.position(kVariants[y], second), op, mcProgressive);
    }
  }
  return sides;
}

// The second variant of a side starts at the first one when both factors are
// the same (so each unordered pair of its variants is tried once), else at r.
std::size_t secondStart(int first, int second, std::size_t firstVariant) {
  return first == second ? firstVariant : 0;
}

// The 360° and dial texts of each of the four factors in each variant.
struct FactorTexts {
  std::string longitude;  // grad3_text
  std::string dial;       // winkel_text on the dial
};

void appendPictureLines(const TransitRecord& record, double orb, const QuadroEntry& picture,
                        SearchResult& result) {
  ResultText& lines = result.lines;
  std::array<std::array<FactorTexts, 4>, 4> texts;
  for (std::size_t k = 0; k < 4; ++k) {
    for (std::size_t v = 0; v < 4; ++v) {
      const double longitude = record.position(kVariants[v], picture.factors[k]);
      texts[k][v] = {grad3_text(longitude), winkel_text(longitude, 2, AngleMode::dial22)};
    }
  }
  const auto left = sidesOf(record, picture.factors[0], picture.factors[1], picture.leftOperator);
  const auto right = sidesOf(record, picture.factors[2], picture.factors[3], picture.rightOperator);
  const char ops[4] = {0, picture.leftOperator, '=', picture.rightOperator};

  for (std::size_t x1 = 0; x1 < 4; ++x1) {
    for (std::size_t x2 = secondStart(picture.factors[0], picture.factors[1], x1); x2 < 4; ++x2) {
      const Side& leftSide = left[pairIndex(x1, x2)];
      for (std::size_t x3 = 0; x3 < 4; ++x3) {
        for (std::size_t x4 = secondStart(picture.factors[2], picture.factors[3], x3); x4 < 4;
             ++x4) {
          const Side& rightSide = right[pairIndex(x3, x4)];
          if (!orbHit(leftSide.dial, rightSide.dial, orb)) continue;
          const std::array<std::size_t, 4> variant = {x1, x2, x3, x4};
          std::string line;
          line.reserve(kPictureLineLength + 16);
          for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) line += ops[k];
            line += factorName(picture.factors[k]);
            line += variantLetter(kVariants[variant[k]]);
            result.factors.add(lines.size(), {picture.factors[k], kVariants[variant[k]]});
          }
          line += "  ";
          for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) line += ops[k];
            line += texts[k][variant[k]].longitude;
          }
          line += "  ";
          for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) line += ops[k];
            line += texts[k][variant[k]].dial;
          }
          line += "  ";
          line += leftSide.text;
          line += '=';
          line += rightSide.text;
          const auto factorOf = [&](std::size_t k) {
            return FactorVariant{picture.factors[k], kVariants[variant[k]]};
          };
          result.pictures.push_back(
              {lines.size(),
               PictureTerm::ofPair(*pairKind(picture.leftOperator), factorOf(0), factorOf(1)),
               PictureTerm::ofPair(*pairKind(picture.rightOperator), factorOf(2), factorOf(3))});
          lines.push_back(std::move(line));
        }
      }
    }
  }
}

}  // namespace

QuadroOutcome quadroSearch(const TransitRecord& record, double orb, std::string_view entryText) {
  EntryText entry(entryText);
  entry.upperCaseLetters({1, 2, 4, 5, 7, 8, 10, 11});
  const std::string written = entry.utf8();

  QuadroOutcome outcome;
  SearchResult& result = outcome.result;
  result.heading = "Die Planetenbilder mit den Faktoren " + written;
  result.lines.push_back(" " + written);

  QuadroEntry picture;
  outcome.rejection = checkPicture(entry, picture);
  if (outcome.rejection) return outcome;

  result.lines.reserveLines(4 + 256 + 3, 120);
  result.lines.push_back("Vorhandene Planetenbilder mit den obigen Faktoren:");
  result.lines.push_back(" ");
  result.lines.push_back(kQuadroColumnHeader);
  appendPictureLines(record, orb, picture, result);
  result.lines.push_back(" ");
  result.lines.push_back(" Zu den Halbsummen- und Summen-Ergebnissen:");
  result.lines.push_back(" Hier sind die jeweiligen MCp-Häuser und der Zodiak mit angegeben.");
  return outcome;
}

}  // namespace kelvaro
