#include "search/triple_search.h"

#include <array>
#include <cstdint>
#include <span>

#include "core/dial_rows.h"
#include "core/entry_text.h"
#include "core/short_text.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr int kLastFourth = factor::kLastInTables;  // PO: GZ is never the fourth factor
constexpr std::size_t kVariantCount = kVariants.size();
constexpr auto kSolarArc = static_cast<std::size_t>(variantIndex(Variant::s));

using Counts = std::array<int, kLastFourth>;

double combine(char op, double a, double b) {
  return op == '+' ? modus22(a + b) : modus22((a + b) / 2);
}

// A row of the axis table: its dial value and the text appended on a hit
// (" MCr+MCr=07°40'").
struct AxisRow {
  double value;
  std::string text;
};

// MC and SO in r, p and t, each as sum and midpoint with itself.
std::array<AxisRow, 12> axisRows(const TransitRecord& record) {
  std::array<AxisRow, 12> rows;
  std::size_t next = 0;
  for (const int number : {factor::MC, factor::SO}) {
    for (const Variant v : {Variant::r, Variant::p, Variant::t}) {
      const std::string name = factorVariantName(number, v);
      const double longitude = record.position(v, number);
      const double sumValue = modus22(2 * longitude);
      const double midpointValue = modus22(longitude);
      rows[next++] = {sumValue, " " + name + "+" + name + "=" + dialString(sumValue)};
      rows[next++] = {midpointValue, " " + name + "/" + name + "=" + dialString(midpointValue)};
    }
  }
  return rows;
}

// The right-hand values F3e op2 Xi for every e, X and i, in the order in
// which the solutions are listed; their texts are made only for the values
// that solve an equation.
class RightSide {
 public:
  static constexpr std::size_t kSize = kVariantCount * kLastFourth * kVariantCount;

  // Where a value stands: variant e of F3, the fourth factor X, its variant i.
  struct Combination {
    std::size_t e;
    int x;
    std::size_t i;
  };

  RightSide(const TransitRecord& record, const TripleEntry& entry) {
    for (int x = 1; x <= kLastFourth; ++x) {
      const std::string_view name = factorName(x);
      for (std::size_t i = 0; i < kVariantCount; ++i) {
        const char text[] = {name[0], name[1], variantLetter(kVariants[i])};
        fourthNames_[index(0, x, i)] = ShortText::of({text, sizeof text});
      }
    }
    for (std::size_t e = 0; e < kVariantCount; ++e) {
      const double third = record.position(kVariants[e], entry.third);
      for (int x = 1; x <= kLastFourth; ++x) {
        for (std::size_t i = 0; i < kVariantCount; ++i) {
          values_[index(e, x, i)] =
              combine(entry.secondOp, third, record.position(kVariants[i], x));
        }
      }
    }
  }

  static Combination combination(std::size_t k) {
    const auto x = static_cast<int>(k / kVariantCount % kLastFourth) + 1;
    return {k / (kLastFourth * kVariantCount), x, k % kVariantCount};
  }

  std::span<const double> values() const { return values_; }

  // "MOr": the fourth factor and its variant.
  const ShortText& fourthName(std::size_t k) const { return fourthNames_[k % fourthNames_.size()]; }

  const ShortText& text(std::size_t k) {
    if (texts_[k].size == 0) texts_[k] = dialText(values_[k]);  // a dial text is never empty
    return texts_[k];
  }

 private:
  static std::size_t index(std::size_t e, int x, std::size_t i) {
    return (e * kLastFourth + static_cast<std::size_t>(x - 1)) * kVariantCount + i;
  }

  std::array<double, kSize> values_{};
  std::array<ShortText, kSize> texts_;
  std::array<ShortText, kLastFourth * kVariantCount> fourthNames_;
};

// With X = F3 the right side F3e op F3i is F3i op F3e again, so it is listed
// once, with i not earlier than e.
bool listed(const TripleEntry& entry, bool allFactors, std::size_t e, int x, std::size_t i) {
  if (x == entry.third) return i >= e;
  return allFactors || x == entry.first || x == entry.second;
}

void appendClosingLines(ResultText& lines, const Counts& counts) {
  std::string names = " ";
  std::string numbers = " ";
  for (int x = 1; x <= kLastFourth; ++x) {
    names += factorName(x);
    names += "  ";
    numbers += zahl_text(counts[static_cast<std::size_t>(x - 1)], 3);
    numbers += ' ';
  }
  lines.push_back(" ");
  lines.push_back(std::move(names));
  lines.push_back(std::move(numbers));
}

std::string operatorText(char op) { return std::string(1, op); }

std::string heading(const TripleEntry& entry, bool allFactors) {
  const std::string equation =
      std::string(factorName(entry.first)) + " " + operatorText(entry.firstOp) + " " +
      std::string(factorName(entry.second)) + " = " + std::string(factorName(entry.third)) + " " +
      operatorText(entry.secondOp);
  return allFactors ? "Suche nach dem vierten Faktor zu " + equation + " aus allen Faktoren"
                    : "Suche nach dem vierten Faktor aus " + equation;
}

}  // namespace

TripleEntryCheck checkTripleEntry(std::string_view text) {
  EntryText converted(text);
  converted.upperCaseLetters({1, 2, 4, 5, 7, 8});
  const auto first = converted.factorAt(1);
  const auto second = converted.factorAt(4);
  const auto third = converted.factorAt(7);
  const bool namesFound = first && second && third && converted.length() == kTripleEntryLength;
  const bool operatorsRight =
      converted.isOneOf(3, U"+/") && converted.isOneOf(6, U"=") && converted.isOneOf(9, U"+/");
  TripleEntryCheck check;
  if (!namesFound) {
    check.messages.push_back(std::string(kTripleNamesMessageStart) + converted.utf8() +
                             std::string(kTripleNamesMessageEnd));
  }
  if (!operatorsRight) check.messages.emplace_back(kTripleOperatorMessage);
  if (check.messages.empty()) {
    check.entry = TripleEntry{*first, static_cast<char>(converted.at(3)), *second, *third,
                              static_cast<char>(converted.at(9))};
  }
  return check;
}

SearchResult tripleSearch(const TransitRecord& record, double orb, const TripleEntry& entry,
                          bool allFactors) {
  SearchResult result;
  result.heading = heading(entry, allFactors);
  ResultText& lines = result.lines;
  // Room for a list of ordinary length; the lines of each left value are
  // written into room made for them (ResultText::Writer), so a longer list
  // grows the text as it goes.
  lines.reserveLines(1024, 64);
  result.factors.reserve(std::size_t{4} * 1024, 1024);
  result.pairEqualsPair = PairEqualsPair{*pairKind(entry.firstOp), *pairKind(entry.secondOp)};
  lines.push_back(result.heading);
  lines.push_back(
      "(mit Prüfung der MC- und SO- Summen- und Halbsummen-Achsen, jeweils r/r, r+r, p/p, p+p, "
      "t/t, t+t)");
  lines.push_back("Am Ende der Liste steht eine Zählung der gefundenen vierten Faktoren.");
  lines.push_back(" ");

  const std::array<AxisRow, 12> rows = axisRows(record);
  RightSide right(record, entry);
  Counts counts{};
  std::array<double, RightSide::kSize> hits{};
  std::array<std::uint16_t, RightSide::kSize> places{};
  // The solar-arc Sun takes no part: a combination is skipped when one of its
  // members is SO in variant s.
  const auto solarArcSun = [](int number, std::size_t v) {
    return number == factor::SO && v == kSolarArc;
  };

  for (std::size_t a = 0; a < kVariantCount; ++a) {
    for (std::size_t b = 0; b < kVariantCount; ++b) {
      if (solarArcSun(entry.first, a) || solarArcSun(entry.second, b)) continue;
      const double left = combine(entry.firstOp, record.position(kVariants[a], entry.first),
                                  record.position(kVariants[b], entry.second));
      // The right-hand values are in listing order. The orb test comes first,
      // for all of them at once, as it rules out most combinations; then the
      // solutions among the hits.
      countAxisHits(right.values(), std::array{left}, orb, std::span(hits));
      const std::size_t hitCount = placesOfHits(hits, places);
      std::size_t solutionCount = 0;
      for (std::size_t h = 0; h < hitCount; ++h) {
        const auto [e, x, i] = RightSide::combination(places[h]);
        if (solarArcSun(entry.third, e) || solarArcSun(x, i)) continue;
        if (listed(entry, allFactors, e, x, i)) places[solutionCount++] = places[h];
      }
      if (solutionCount == 0) continue;

      // Their lines, each "VEr+JUp=KNt+MOr  07°40'=07°41' MCr+MCr=07°40'…",
      // written in place; the same left value and axes on every line.
      const ShortText leftDial = dialText(left);
      std::string axesText;
      for (const AxisRow& row : rows) {
        if (orbHit(row.value, left, orb)) axesText += row.text;
      }
      std::array<ShortText, kVariantCount> members;  // "VEr+JUp=KNt+" per variant of F3
      const std::size_t lineRoom = 3 * ShortText::kCapacity + 4 + leftDial.size + axesText.size();
      const std::size_t firstLine = lines.size();
      const std::array<FactorVariant, 2> leftFactors = {FactorVariant{entry.first, kVariants[a]},
                                                        FactorVariant{entry.second, kVariants[b]}};
      ResultText::Writer out(lines, solutionCount * lineRoom + 1);
      for (std::size_t s = 0; s < solutionCount; ++s) {
        const std::size_t k = places[s];
        const auto [e, x, i] = RightSide::combination(k);
        if (members[e].size == 0) {
          members[e] = ShortText::of(factorVariantName(entry.first, kVariants[a]) + entry.firstOp +
                                     factorVariantName(entry.second, kVariants[b]) + "=" +
                                     factorVariantName(entry.third, kVariants[e]) + entry.secondOp);
        }
        auto line = out.beginLine(lineRoom);
        line << members[e] << right.fourthName(k) << "  " << leftDial << "=" << right.text(k)
             << std::string_view(axesText);
        out.endLine(line);
        const std::array<FactorVariant, 4> picture = {leftFactors[0], leftFactors[1],
                                                      FactorVariant{entry.third, kVariants[e]},
                                                      FactorVariant{x, kVariants[i]}};
        result.factors.push(picture);
        result.factors.endLine(firstLine + s);
        ++counts[static_cast<std::size_t>(x - 1)];
      }
    }
  }
  appendClosingLines(lines, counts);
  return result;
}

ResultText tripleRefusedLines() {
  ResultText lines;
  appendClosingLines(lines, Counts{});
  return lines;
}

TripleStep tripleEntryStep(const TransitRecord& record, double orb, std::string_view text,
                           bool allFactors) {
  TripleEntryCheck check = checkTripleEntry(text);
  if (!check.entry) {
    return {std::move(check.messages), std::nullopt, tripleRefusedLines(), {}, std::nullopt};
  }
  SearchResult result = tripleSearch(record, orb, *check.entry, allFactors);
  return {{},
          std::move(result.heading),
          std::move(result.lines),
          std::move(result.factors),
          result.pairEqualsPair};
}

}  // namespace kelvaro
