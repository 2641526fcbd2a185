#include "search/picture_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "core/dial_rows.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr int kFirstFactor = factor::MC;
constexpr int kLastInPictures = factor::kLastInTables;  // PO
constexpr std::size_t kPairEntryLength = 8;
constexpr std::size_t kMostMembers = (kLastInPictures - kFirstFactor + 1) * kVariants.size();

// Counters per pair of factors (i, j), i ≤ j, numbered from 1; a pair
// examined with its second factor first counts in the cell (j, i).
using HitGrid = std::array<std::array<std::uint16_t, kLastInPictures + 1>, kLastInPictures + 1>;

// The axis longitude within its sign and the sign. A negative longitude (a
// difference with the smaller longitude first) is placed one circle further.
std::string placeInZodiac(double longitude) {
  const double placed = longitude < 0 ? longitude + 360 : longitude;
  return grad3_kurz(modus30(placed)) + " " + signAbbreviation(placed);
}

// The variants a panel choice stands for: one, or r, p, s, t for "rpst".
struct VariantRange {
  std::array<Variant, 4> variants{};
  std::size_t count = 0;
};

VariantRange variantsOf(PanelVariant choice) {
  if (const auto single = singleVariant(choice)) return {{*single}, 1};
  return {kVariants, kVariants.size()};
}

// Everything the pair loops read, prepared once per search: the longitudes
// of the factors MC … PO per variant, and whether a factor variant takes part
// at all (the solar-arc Sun never does).
class PairTest {
 public:
  PairTest(const TransitRecord& record, double orb, const PictureAxis& axis, PictureKind kind)
      : orb_(orb), axisValue_(axis.value), kind_(kind), kindCharacter_(kindCharacter(kind)) {
    for (Variant v : kVariants) {
      for (int n = kFirstFactor; n <= kLastInPictures; ++n) {
        longitudes_[variantIndex(v)][n] = record.position(v, n);
      }
    }
  }

  static bool takesPart(int n, Variant v) { return n != factor::SO || v != Variant::s; }

  double longitude(int n, Variant v) const { return longitudes_[variantIndex(v)][n]; }

  bool hit(int i, Variant x, int j, Variant y) const {
    if (!takesPart(i, x) || !takesPart(j, y)) return false;
    const double l = longitude(i, x);
    const double r = longitude(j, y);
    const double dial =
        kind_ == PictureKind::midpoint ? modus22(midpoint(l, r)) : modus22(sum(l, r));
    return orbHit(axisValue_, dial, orb_);
  }

  // hits[k] is 1 where the pair of (i, x) with the longitude others[k] meets
  // the axis, else 0.
  void rowHits(int i, Variant x, std::span<const double> others, std::span<double> hits) const {
    countPairHits(longitude(i, x), others,
                  kind_ == PictureKind::midpoint ? Pairing::midpoint : Pairing::sum,
                  std::array{axisValue_}, orb_, hits);
  }

  // " MOr/SAt", and its two factor variants to those of the line.
  void appendEntry(std::string& line, LineFactors& factors, int i, Variant x, int j,
                   Variant y) const {
    const std::string_view first = factorName(i);
    const std::string_view second = factorName(j);
    const char entry[kPairEntryLength] = {' ',
                                          first[0],
                                          first[1],
                                          variantLetter(x),  // " MOr"
                                          kindCharacter_,    // "/"
                                          second[0],
                                          second[1],
                                          variantLetter(y)};  // "SAt"
    line.append(std::string_view(entry, kPairEntryLength));
    factors.push({i, x});
    factors.push({j, y});
  }

 private:
  std::array<std::array<double, kLastInPictures + 1>, 4> longitudes_{};
  double orb_;
  double axisValue_;
  PictureKind kind_;
  char kindCharacter_;
};

PictureTerm::Kind termKind(AxisOperator op) {
  switch (op) {
    case AxisOperator::sum:
      return PictureTerm::Kind::sum;
    case AxisOperator::difference:
      return PictureTerm::Kind::difference;
    case AxisOperator::midpoint:
      break;
  }
  return PictureTerm::Kind::midpoint;
}

bool contains(const VariantRange& range, Variant v) {
  for (std::size_t k = 0; k < range.count; ++k) {
    if (range.variants[k] == v) return true;
  }
  return false;
}

// Which pairs (i in x, j in y) the loops examine. With the same choice on
// both sides j runs from i, which examines every unordered pair once. With
// different choices j runs over all factors; a pair with j < i is left out
// only when its mirror (j in y on the left, i in x on the right) is examined.
class PairOrder {
 public:
  explicit PairOrder(const PanelChoices& choices)
      : sameChoices_(choices.left == choices.right),
        left_(variantsOf(choices.left)),
        right_(variantsOf(choices.right)) {}

  int firstPartner(int i) const { return sameChoices_ ? i : kFirstFactor; }

  bool examined(int i, Variant x, int j, Variant y) const {
    return j >= i || !contains(left_, y) || !contains(right_, x);
  }

 private:
  bool sameChoices_;
  VariantRange left_;
  VariantRange right_;
};

std::string choiceText(const PanelChoices& choices) {
  std::string text(panelVariantCaption(choices.left));
  text += kindCharacter(choices.kind);
  text += panelVariantCaption(choices.right);
  return text;
}

std::string kindWording(PictureKind kind) {
  return kind == PictureKind::midpoint ? " Halbsummen in " : " Summen in ";
}

void singleVariantLines(const PairTest& test, const PictureAxis& axis, const PanelChoices& choices,
                        bool singleFactorOnly, SearchResult& result) {
  ResultText& lines = result.lines;
  const Variant x = *singleVariant(choices.left);
  const Variant y = *singleVariant(choices.right);
  lines.push_back(choiceText(choices) +
                  (axis.angleMode ? kindWording(choices.kind) : "-Planetenbilder in ") + axis.text);
  const PairOrder order(choices);
  std::string line;
  for (int i = kFirstFactor; i <= kLastInPictures; ++i) {
    line.clear();
    for (int j = order.firstPartner(i); j <= kLastInPictures; ++j) {
      if (singleFactorOnly && j != i) continue;
      if (order.examined(i, x, j, y) && test.hit(i, x, j, y)) {
        test.appendEntry(line, result.factors, i, x, j, y);
      }
    }
    result.factors.endLine(lines.size());
    lines.push_back(line);
  }
}

// "      MC  WI  SO  …  PO  "
std::string gridHeader() {
  std::string header(6, ' ');
  header.reserve(6 + 4 * kLastInPictures);
  for (int j = kFirstFactor; j <= kLastInPictures; ++j) {
    header += factorName(j);
    header += "  ";
  }
  return header;
}

// "   WI....  3|   | 16|…": one "...." under each earlier column, then one
// cell per pair, right-aligned in three characters, blank when 0.
std::string gridRow(const HitGrid& grid, int i) {
  std::string row = "   ";
  row.reserve(5 + 4 * kLastInPictures);
  row += factorName(i);
  for (int j = kFirstFactor; j < i; ++j) row += "....";
  for (int j = i; j <= kLastInPictures; ++j) {
    const unsigned count = grid[i][j];
    if (count == 0) {
      row += "   ";
    } else {
      const std::string digits = std::to_string(count);
      row.append(digits.size() < 3 ? 3 - digits.size() : 0, ' ');
      row += digits;
    }
    row += '|';
  }
  return row;
}

void allVariantsLines(const PairTest& test, const PictureAxis& axis, const PanelChoices& choices,
                      SearchResult& result) {
  ResultText& lines = result.lines;
  lines.push_back(choiceText(choices) + kindWording(choices.kind) + axis.text);
  const VariantRange left = variantsOf(choices.left);
  const VariantRange right = variantsOf(choices.right);
  const PairOrder order(choices);
  // The right-hand longitudes in the order the loops examine them: factor by
  // factor, the chosen variants of each. A row of pairs is examined at once.
  std::array<double, kMostMembers> others{};
  std::size_t memberCount = 0;
  for (int j = kFirstFactor; j <= kLastInPictures; ++j) {
    for (std::size_t yi = 0; yi < right.count; ++yi) {
      others[memberCount++] = test.longitude(j, right.variants[yi]);
    }
  }
  std::array<double, kMostMembers> hits{};
  std::array<std::uint16_t, kMostMembers> hitPlaces{};
  HitGrid grid{};
  std::string line;
  for (int i = kFirstFactor; i <= kLastInPictures; ++i) {
    const auto from = static_cast<std::size_t>(order.firstPartner(i) - kFirstFactor) * right.count;
    const std::size_t rowLength = memberCount - from;
    for (std::size_t xi = 0; xi < left.count; ++xi) {
      const Variant x = left.variants[xi];
      if (!PairTest::takesPart(i, x)) continue;  // no pair, so no line
      test.rowHits(i, x, std::span(others).subspan(from, rowLength),
                   std::span(hits).first(rowLength));
      const std::size_t hitCount =
          placesOfHits(std::span(hits).first(rowLength), std::span(hitPlaces));
      line.clear();
      for (std::size_t h = 0; h < hitCount; ++h) {
        const std::size_t member = from + hitPlaces[h];
        const int j = kFirstFactor + static_cast<int>(member / right.count);
        const Variant y = right.variants[member % right.count];
        if (!PairTest::takesPart(j, y) || !order.examined(i, x, j, y)) continue;
        test.appendEntry(line, result.factors, i, x, j, y);
        ++grid[std::min(i, j)][std::max(i, j)];
      }
      if (line.empty()) continue;  // no entry, so no factors either
      result.factors.endLine(lines.size());
      lines.push_back(line);
    }
  }
  lines.push_back(" ");
  lines.push_back(gridHeader());
  for (int i = kFirstFactor; i <= kLastInPictures; ++i) lines.push_back(gridRow(grid, i));
}

}  // namespace

PictureAxis entryAxis(const TransitRecord& record, const FreeAxisEntry& entry) {
  const double a = record.position(entry.variant1, entry.factor1);
  const double b = record.position(entry.variant2, entry.factor2);
  double longitude = 0;
  switch (entry.op) {
    case AxisOperator::sum:
      longitude = sum(a, b);
      break;
    case AxisOperator::difference:
      longitude = a - b;
      break;
    case AxisOperator::midpoint:
      longitude = midpoint(a, b);
      break;
  }
  PictureAxis axis;
  axis.value = modus22(longitude);
  if (longitude > 360) longitude -= 360;
  axis.text = entry.stored + " " + winkel_text(longitude, 2, AngleMode::dial22) + ",  " +
              placeInZodiac(longitude);
  axis.factors = {{entry.factor1, entry.variant1}, {entry.factor2, entry.variant2}};
  axis.term = PictureTerm::ofPair(termKind(entry.op), axis.factors[0], axis.factors[1]);
  return axis;
}

PictureAxis angleAxis(double searchAngle, std::string_view storedEntry) {
  PictureAxis axis;
  axis.value = searchAngle;
  axis.text = std::string(storedEntry) + " " + winkel_text(searchAngle, 2, AngleMode::dial22);
  axis.angleMode = true;
  axis.term = PictureTerm::ofAngle(searchAngle);
  return axis;
}

bool asksSingleFactorQuestion(const PanelChoices& choices) {
  return choices.left == choices.right && choices.left != PanelVariant::rpst;
}

std::string_view singleFactorQuestion(PictureKind kind) {
  return kind == PictureKind::midpoint ? kSingleFactorMidpointQuestion : kSingleFactorSumQuestion;
}

SearchResult pictureSearch(const TransitRecord& record, double orb, const PictureAxis& axis,
                           const PanelChoices& choices, bool singleFactorOnly) {
  SearchResult result;
  result.heading = "Suche in  " + axis.text;
  for (const FactorVariant factor : axis.factors) result.factors.add(0, factor);
  // The pairs of every line after the first are the pictures on the axis.
  result.pairsOnAxis =
      PairsOnAxis{axis.term,
                  {{1, choices.kind == PictureKind::midpoint ? PictureTerm::Kind::midpoint
                                                             : PictureTerm::Kind::sum}}};
  const PairTest test(record, orb, axis, choices.kind);
  if (singleVariant(choices.left) && singleVariant(choices.right)) {
    result.lines.reserveLines(1 + kLastInPictures, 100);
    singleVariantLines(test, axis, choices, singleFactorOnly && asksSingleFactorQuestion(choices),
                       result);
  } else {
    result.lines.reserveLines(1 + 4 * kLastInPictures + 2 + kLastInPictures, 100);
    allVariantsLines(test, axis, choices, result);
  }
  return result;
}

}  // namespace kelvaro
