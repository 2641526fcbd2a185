#include "search/correspondences.h"

#include <array>
#include <cstdint>

#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr int kFactors = factor::kLastByName;              // MC … GZ
constexpr std::size_t kSlots = std::size_t{4} * kFactors;  // every factor variant once

std::size_t index(int factorNumber) { return static_cast<std::size_t>(factorNumber - 1); }

// Factor variants numbered in the order every loop of the report runs:
// factors in table order, each in the variants r, p, s, t.
std::size_t slot(int factorNumber, Variant v) {
  return 4 * index(factorNumber) + static_cast<std::size_t>(variantIndex(v));
}
int factorOfSlot(std::size_t slot) { return static_cast<int>(slot / 4) + 1; }

// "MCr," … "GZt,": the items of the lists and of the repetitions, by slot.
const std::array<std::string, kSlots>& listItems() {
  static const std::array<std::string, kSlots> kItems = [] {
    std::array<std::string, kSlots> built;
    for (int number = 1; number <= kFactors; ++number) {
      for (Variant v : kVariants) built[slot(number, v)] = factorVariantName(number, v) + ",";
    }
    return built;
  }();
  return kItems;
}

// Which factor variants correspond: the orb test for every pair of dial
// values, made once per run (the test is symmetric).
class Correspondence {
 public:
  using Row = std::array<bool, kSlots>;

  Correspondence(const TransitRecord& record, double orb) {
    std::array<double, kSlots> dial;
    for (int number = 1; number <= kFactors; ++number) {
      for (Variant v : kVariants) dial[slot(number, v)] = modus22(record.position(v, number));
    }
    // Every cell is written, so the table needs no clearing first.
    for (std::size_t a = 0; a < kSlots; ++a) {
      for (std::size_t b = a; b < kSlots; ++b) {
        const bool hit = orbHit(dial[a], dial[b], orb);
        hits_[a][b] = hit;
        hits_[b][a] = hit;
      }
    }
  }

  // All factor variants against (f, w), by slot.
  const Row& row(int f, Variant w) const { return hits_[slot(f, w)]; }

  bool operator()(int k, Variant v, int f, Variant w) const { return row(f, w)[slot(k, v)]; }

  // Some variant of factor k corresponds with the factor variant (f, w).
  bool someVariant(int k, int f, Variant w) const {
    const Row& against = row(f, w);
    const std::size_t first = slot(k, Variant::r);
    return against[first] || against[first + 1] || against[first + 2] || against[first + 3];
  }

 private:
  std::array<Row, kSlots> hits_;
};

// What the four lists count and mark for the later parts of the report.
struct Tally {
  // [first factor − 1][second factor − 1]
  std::array<std::array<std::uint16_t, kFactors>, kFactors> pairs{};
  std::array<bool, kFactors> soMarks{};
  bool soTransit = false;

  int pairCount(int first, int second) const { return pairs[index(first)][index(second)]; }
};

struct OneFactorList {
  std::string_view heading;
  Variant variant;  // of the first factor
  int leftOut;      // first factor without a line, 0 for none
};

constexpr std::array<OneFactorList, 4> kLists = {{
    {">>>>>> Dieser erste Teil zeigt alle Transit-Einfaktor-Planetenbilder (F1t/F1t = F2x/F2x)",
     Variant::t, 0},
    {">>>>>> Teil 2 zeigt alle Progressiv-Einfaktor-Planetenbilder (F1p/F1p = F2x/F2x) außer WIp",
     Variant::p, factor::WI},
    {">>>>>> Teil 3 zeigt alle Sonnenbogen-Einfaktor-Planetenbilder (F1s/F1s = F2x/F2x) außer SOs",
     Variant::s, factor::SO},
    {">>>>>> Teil 4 zeigt alle Radix-Einfaktor-Planetenbilder (F1r/F1r = F2x/F2x) außer WIr",
     Variant::r, factor::WI},
}};

std::string head(int factorNumber, Variant v) { return factorVariantName(factorNumber, v) + ":"; }

// One line per first factor: the second factor variants that correspond
// with it, or an empty line when none does. Counts every correspondence;
// list 1 marks the partners of SOt.
void appendList(const Correspondence& corresponds, const OneFactorList& list, bool marksSo,
                Tally& tally, ResultText& lines) {
  const auto& items = listItems();
  for (int first = 1; first <= kFactors; ++first) {
    if (first == list.leftOut) continue;
    const bool marking = marksSo && first == factor::SO;
    const std::size_t own = slot(first, list.variant);
    const Correspondence::Row& row = corresponds.row(first, list.variant);
    auto& counts = tally.pairs[index(first)];
    std::string line = head(first, list.variant);
    bool found = false;
    for (std::size_t other = 0; other < kSlots; ++other) {
      if (!row[other] || other == own) continue;
      const std::size_t second = index(factorOfSlot(other));
      ++counts[second];
      line.append(items[other]);
      found = true;
      if (marking) {
        tally.soMarks[second] = true;
        tally.soTransit = true;
      }
    }
    if (!found) line.clear();
    lines.push_back(std::move(line));
  }
}

// The transit position of each factor against the radix, progressive and
// solar-arc positions of the factors that the lists paired with it.
void appendRepetitions(const Correspondence& corresponds, const Tally& tally, ResultText& lines) {
  const auto& items = listItems();
  for (int f = 1; f <= kFactors; ++f) {
    std::string line = head(f, Variant::t);
    for (int k = 1; k <= kFactors; ++k) {
      if (k == f || tally.pairCount(k, f) == 0) continue;
      for (Variant v : {Variant::r, Variant::p, Variant::s}) {
        if (corresponds(k, v, f, Variant::t)) line.append(items[slot(k, v)]);
      }
    }
    lines.push_back(std::move(line));
  }
}

// A head followed by "name, " for every candidate from `first` to GZ
// (`except` left out) that meets the condition.
template <typename Condition>
std::string axisLine(std::string_view text, int first, int except, Condition condition) {
  std::string line(text);
  for (int k = first; k <= kFactors; ++k) {
    if (k == except || !condition(k)) continue;
    line.append(factorName(k));
    line.append(", ");
  }
  return line;
}

// The SO axis: each variant of a marked factor that corresponds with SOp.
std::string solarAxisLine(const Correspondence& corresponds, const Tally& tally) {
  std::string items;
  for (int k = 1; k <= kFactors; ++k) {
    if (k == factor::SO || !tally.soMarks[index(k)]) continue;
    for (Variant v : kVariants) {
      if (!corresponds(k, v, factor::SO, Variant::p)) continue;
      items.append(factorVariantName(k, v));
      items.append(", ");
    }
  }
  return "SOt und SOp: " + items;
}

void appendAxes(const Correspondence& corresponds, const Tally& tally, ResultText& lines) {
  using factor::AS;
  using factor::MC;
  using factor::SO;
  using factor::WI;
  using enum Variant;
  const auto withAll = [&](Variant w) {
    return [&corresponds, w](int k) {
      return corresponds.someVariant(k, MC, w) && corresponds.someVariant(k, SO, w) &&
             corresponds.someVariant(k, AS, w);
    };
  };
  lines.push_back(axisLine("MCp und MCt: ", WI, 0, [&](int k) {
    return corresponds.someVariant(k, MC, p) && corresponds.someVariant(k, MC, t);
  }));
  lines.push_back("   ");
  lines.push_back(axisLine("MCt und ASt: ", WI, AS, [&](int k) {
    return corresponds.someVariant(k, MC, t) && corresponds.someVariant(k, AS, t);
  }));
  lines.push_back("   ");
  if (tally.soTransit) {
    lines.push_back(solarAxisLine(corresponds, tally));
    lines.push_back("   ");
  }
  lines.push_back(axisLine("MC und SO: ", WI, SO, [&](int k) {
    return tally.pairCount(MC, k) != 0 && tally.pairCount(SO, k) != 0;
  }));
  lines.push_back("   ");
  lines.push_back(axisLine("MCt, SOt, ASt: ", AS, 0, withAll(t)));
  lines.push_back(" ");
  lines.push_back(axisLine("MCp, SOp, ASp: ", AS, 0, withAll(p)));
  lines.push_back(" ");
}

std::string columnLine() {
  std::string line = "   ";
  for (int a = 1; a <= kFactors; ++a) {
    line += factorName(a);
    line += "| ";
  }
  return line;
}

// The counts stay below 100 (at most 16 from each side of a pair).
void appendCountCell(std::string& row, int n) {
  if (n == 0) {
    row += "..";
  } else {
    row += n < 10 ? '.' : static_cast<char>('0' + n / 10);
    row += static_cast<char>('0' + n % 10);
  }
  row += "| ";
}

// The triangle of pair counts: the diagonal counts a factor's variants with
// each other, the other cells both directions of a pair of factors.
void appendPairTable(const Tally& tally, ResultText& lines) {
  const std::string columns = columnLine();
  lines.push_back(columns);
  for (int f = 1; f <= kFactors; ++f) {
    std::string row;
    row.reserve(columns.size());
    row += factorName(f);
    row += ' ';
    for (int a = 1; a <= kFactors; ++a) {
      if (a < f) {
        row += ". . ";
      } else {
        appendCountCell(
            row, a == f ? tally.pairCount(f, f) : tally.pairCount(f, a) + tally.pairCount(a, f));
      }
    }
    lines.push_back(std::move(row));
  }
  lines.push_back(columns);
}

}  // namespace

SearchResult correspondences(const TransitRecord& record, double orb) {
  const Correspondence corresponds(record, orb);
  Tally tally;
  SearchResult result{std::string(kCorrespondencesHeading), {}};
  ResultText& lines = result.lines;
  lines.reserveLines(171, 100);

  for (std::size_t i = 0; i < kLists.size(); ++i) {
    const bool first = i == 0;
    if (!first) lines.push_back("");
    lines.push_back(kLists[i].heading);
    lines.push_back(first ? "   " : "");
    appendList(corresponds, kLists[i], first, tally, lines);
  }

  lines.push_back("  ");
  lines.push_back(
      ">>>>>> Wiederholungen: Untersuchung mit den Transits der oben gefundenen Halbsummen");
  lines.push_back("       ohne Transit-Halbsummen in den Ergebnissen, da bereits oben vorhanden.");
  lines.push_back("  ");
  appendRepetitions(corresponds, tally, lines);

  lines.push_back(" ");
  lines.push_back(">>>>>>>> Korrespondierende in den Achsen");
  lines.push_back("   ");
  appendAxes(corresponds, tally, lines);

  lines.push_back(">>>>>>>> Die Achsen mit gegenseitig zusammengefaßten Ergebnissen:");
  lines.push_back("   ");
  appendPairTable(tally, lines);
  lines.push_back(" ");
  lines.push_back(" ");
  return result;
}

}  // namespace kelvaro
