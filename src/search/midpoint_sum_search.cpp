#include "search/midpoint_sum_search.h"

#include "core/entry_text.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

struct ReferencePoint {
  std::string text;  // "MCr/MCr"
  FactorVariant factor;
  PictureTerm term;  // MCr/MCr
  double value;      // dial value
  std::uint16_t MidpointSumHits::*counter;
};

using ReferencePoints = std::array<ReferencePoint, 22>;

// The midpoints of MC, SO and AS with themselves, then their sums, in the
// order in which they are tested and written. SO has no point in variant s.
ReferencePoints referencePoints(const TransitRecord& record) {
  struct Axis {
    int number;
    std::uint16_t MidpointSumHits::*midpoints;
    std::uint16_t MidpointSumHits::*sums;
  };
  constexpr std::array<Axis, 3> kAxes = {{
      {factor::MC, &MidpointSumHits::mcMidpoint, &MidpointSumHits::mcSum},
      {factor::SO, &MidpointSumHits::soMidpoint, &MidpointSumHits::soSum},
      {factor::AS, &MidpointSumHits::asMidpoint, &MidpointSumHits::asSum},
  }};
  ReferencePoints points;
  std::size_t next = 0;
  for (const char op : {'/', '+'}) {
    for (const Axis& axis : kAxes) {
      for (const Variant v : kVariants) {
        if (axis.number == factor::SO && v == Variant::s) continue;
        const std::string name = factorVariantName(axis.number, v);
        const double longitude = record.position(v, axis.number);
        const FactorVariant factor{axis.number, v};
        const PictureTerm term = PictureTerm::ofPair(*pairKind(op), factor, factor);
        points[next++] = op == '/' ? ReferencePoint{name + '/' + name, factor, term,
                                                    modus22(longitude), axis.midpoints}
                                   : ReferencePoint{name + '+' + name, factor, term,
                                                    modus22(longitude + longitude), axis.sums};
      }
    }
  }
  return points;
}

double combinationValue(char op, double a, double b) {
  switch (op) {
    case '+':
      return modus22(a + b);
    case '-':
      return modus22(a - b);
    default:
      return modus22((a + b) / 2);
  }
}

std::string summaryLine(const MidpointSumHits& hits) {
  return "Treffer: MC+MC " + zahl_text(hits.mcSum, 2) + ", MC/MC " + zahl_text(hits.mcMidpoint, 2) +
         ", SO+SO " + zahl_text(hits.soSum, 2) + ", SO/SO " + zahl_text(hits.soMidpoint, 2) +
         ", AS+AS " + zahl_text(hits.asSum, 2) + ", AS/AS " + zahl_text(hits.asMidpoint, 2);
}

}  // namespace

Checked<MidpointSumEntry> checkMidpointSumEntry(std::string_view text) {
  EntryText entry(text);
  entry.upperCaseLetters({1, 2, 4, 5});
  const auto first = entry.factorAt(1);
  const auto second = entry.factorAt(4);
  if (!first || !second || entry.length() != kMidpointSumEntryLength) {
    return Rejection{std::string(kMidpointSumFactorMessage)};
  }
  if (!entry.isOneOf(3, U"/+-")) return Rejection{std::string(kMidpointSumOperatorMessage)};
  return MidpointSumEntry{*first, static_cast<char>(entry.at(3)), *second, entry.utf8()};
}

MidpointSumSearch midpointSumSearch(const TransitRecord& record, double orb,
                                    const MidpointSumEntry& entry) {
  MidpointSumSearch search;
  search.result.heading =
      " Suche nach allen Varianten von " + entry.text + " in den Achsen MC, SO, AS";
  ResultText& lines = search.result.lines;
  lines.reserveLines(20, 240);
  lines.push_back("Varianten von " + entry.text + " in MC, SO, AS");
  lines.push_back(" ");

  const ReferencePoints points = referencePoints(record);
  search.result.pictures.reserve(std::size_t{16} *
                                 4);  // a line meets a few axes at most, within a small orb
  for (const Variant x : kVariants) {
    for (const Variant y : kVariants) {
      const double c = combinationValue(entry.op, record.position(x, entry.first),
                                        record.position(y, entry.second));
      const std::size_t lineNumber = lines.size();
      const PictureTerm entryTerm =
          PictureTerm::ofPair(*pairKind(entry.op), {entry.first, x}, {entry.second, y});
      search.result.factors.add(lineNumber, {entry.first, x});
      search.result.factors.add(lineNumber, {entry.second, y});
      std::string line = factorVariantName(entry.first, x);
      line.reserve(240);
      line += entry.op;
      line += factorVariantName(entry.second, y);
      line += ',';
      line += winkel_text(c, 2, AngleMode::dial22);
      line += " steht in ";
      for (const ReferencePoint& point : points) {
        if (!orbHit(c, point.value, orb)) continue;
        line += point.text;
        line += ", ";
        search.result.factors.add(lineNumber, point.factor);
        search.result.pictures.push_back({lineNumber, entryTerm, point.term});
        ++(search.hits.*point.counter);
      }
      lines.push_back(std::move(line));
    }
  }
  lines.push_back(" ");
  lines.push_back(summaryLine(search.hits));
  return search;
}

}  // namespace kelvaro
