#include "search/angle_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "core/dial_rows.h"
#include "core/entry_text.h"
#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr int kLastFactor = factor::kLastInTables;  // PO: GZ and Du never take part
constexpr std::size_t kMemberCount = kLastFactor * kVariants.size();
constexpr std::size_t kEntriesPerLine = 14;
constexpr std::size_t kEntryLength = 8;  // "MCr+WIp "

// A factor variant of the combination range, at index (number − 1) × 4 + variant.
struct Member {
  double longitude;
  std::array<char, 3> name;  // "MCr"
  FactorVariant factor;
};

using Members = std::array<Member, kMemberCount>;

constexpr std::size_t memberIndex(int number, Variant v) {
  return static_cast<std::size_t>(number - 1) * kVariants.size() +
         static_cast<std::size_t>(variantIndex(v));
}

// The solar-arc Sun never takes part.
constexpr std::size_t kSolarArcSun = memberIndex(factor::SO, Variant::s);

Members members(const TransitRecord& record) {
  Members all{};
  for (int number = 1; number <= kLastFactor; ++number) {
    const std::string_view name = factorName(number);
    for (const Variant v : kVariants) {
      all[memberIndex(number, v)] = {
          record.position(v, number), {name[0], name[1], variantLetter(v)}, {number, v}};
    }
  }
  return all;
}

// One section of the list: the sums or the midpoints at the search angle.
class Section {
 public:
  Section(const Members& members, double orb, double searchAngle, char op, DialSize dial,
          SearchResult& result)
      : members_(members),
        orb_(orb),
        angle_(searchAngle),
        op_(op),
        dial_(dial),
        lines_(result.lines),
        factors_(result.factors) {
    for (std::size_t k = 0; k < kMemberCount; ++k) longitudes_[k] = members[k].longitude;
  }

  // All entries with the first member `first` and a second member from the
  // index range [from, end), leaving out [skipFrom, skipTo): the variants of
  // the first member's own factor that come before its own variant.
  void listFirstMember(std::size_t first, std::size_t from, std::size_t skipFrom,
                       std::size_t skipTo) {
    const Member& a = members_[first];
    if (first == kSolarArcSun) return;
    // The values and their hits first, in loops without a branch that
    // depends on them; then the hits are listed, each as one write.
    const std::size_t count = kMemberCount - from;
    const auto counts = std::span(counts_).first(count);
    countHits(a.longitude, std::span(longitudes_).subspan(from), counts);
    // What the list leaves out counts no hit: the skipped members and the
    // solar-arc Sun.
    for (std::size_t second = std::max(from, skipFrom); second < skipTo; ++second) {
      counts[second - from] = 0;
    }
    if (kSolarArcSun >= from) counts[kSolarArcSun - from] = 0;
    const std::size_t hitCount = placesOfHits(counts, places_);
    // Then their entries, at most 14 to a line, each line's factors handed
    // over at once.
    for (std::size_t start = 0; start < hitCount; start += kEntriesPerLine) {
      const std::size_t end = std::min(hitCount, start + kEntriesPerLine);
      // " MCr+WIp SOr+MOt " …: a blank, then each entry with its own blank.
      line_.assign(1 + (end - start) * kEntryLength, ' ');
      char* entry = line_.data() + 1;
      for (std::size_t k = start; k < end; ++k, entry += kEntryLength) {
        const Member& b = members_[from + places_[k]];
        const char written[kEntryLength - 1] = {a.name[0], a.name[1], a.name[2], op_,
                                                b.name[0], b.name[1], b.name[2]};
        std::copy(std::begin(written), std::end(written), entry);
        lineFactors_[2 * (k - start)] = a.factor;
        lineFactors_[2 * (k - start) + 1] = b.factor;
      }
      factors_.push(std::span(lineFactors_).first(2 * (end - start)));
      factors_.endLine(lines_.size());
      lines_.push_back(line_);
    }
  }

 private:
  // counts[k] = 1 where `first` paired with others[k] lies on the axis.
  void countHits(double first, std::span<const double> others, std::span<double> counts) const {
    if (dial_.isStandard()) {
      countPairHits(first, others, op_ == '+' ? Pairing::sum : Pairing::midpoint,
                    std::array{angle_}, orb_, counts);
      return;
    }
    for (std::size_t k = 0; k < others.size(); ++k) {
      const double value = op_ == '+' ? sum(first, others[k]) : midpoint(first, others[k]);
      counts[k] = dial_.distance(value, angle_) < orb_ ? 1 : 0;
    }
  }

  const Members& members_;
  double orb_;
  double angle_;
  char op_;
  DialSize dial_;
  ResultText& lines_;
  LineFactors& factors_;
  std::string line_;  // the line being made, its room kept from line to line
  std::array<double, kMemberCount> longitudes_{};
  std::array<double, kMemberCount> counts_{};
  std::array<std::uint16_t, kMemberCount> places_{};
  std::array<FactorVariant, 2 * kEntriesPerLine> lineFactors_;
};

// Without a chosen factor the second member starts at the first one itself;
// with one, it runs over the whole range, except the chosen factor's own
// variants before the first member's.
void listSection(const Members& members, double orb, double searchAngle,
                 std::optional<int> chosenFactor, char op, DialSize dial, SearchResult& result) {
  Section section(members, orb, searchAngle, op, dial, result);
  for (int number = 1; number <= kLastFactor; ++number) {
    if (chosenFactor && number != *chosenFactor) continue;
    const std::size_t ownFirst = memberIndex(number, Variant::r);
    for (const Variant v : kVariants) {
      const std::size_t first = memberIndex(number, v);
      if (chosenFactor) {
        section.listFirstMember(first, 0, ownFirst, first);
      } else {
        section.listFirstMember(first, first, kMemberCount, kMemberCount);
      }
    }
  }
}

}  // namespace

Checked<int> checkAngleFactor(std::string_view text) {
  EntryText entry(text);
  entry.upperCaseLetters({1, 2});
  const auto number = entry.factorAt(1);
  if (!number || entry.length() != kAngleFactorEntryLength) {
    return Rejection{std::string(kAngleFactorMessage)};
  }
  return *number;
}

SearchResult angleSearch(const TransitRecord& record, double orb, double searchAngle,
                         std::optional<int> chosenFactor, DialSize dial) {
  const std::string angleText = grad_minuten_text(searchAngle);
  SearchResult result;
  result.heading = chosenFactor
                       ? " Suche nach " + std::string(factorName(*chosenFactor)) +
                             "-Summen und -Halbsummen in der Achse " + angleText
                       : " Suche nach allen Summen und Halbsummen in der Achse " + angleText;
  result.entries = EntryColumns{1, kEntryLength - 1, kEntryLength, 2};
  ResultText& lines = result.lines;
  lines.reserveLines(chosenFactor ? 32 : 160, 100);
  result.factors.reserve(chosenFactor ? 32 * 28 : 160 * 28, chosenFactor ? 32 : 160);
  lines.push_back("Summen in der Achse " + angleText);
  PairsOnAxis pairs{PictureTerm::ofAngle(searchAngle), {{lines.size(), PictureTerm::Kind::sum}}};
  const Members all = members(record);
  listSection(all, orb, searchAngle, chosenFactor, '+', dial, result);
  lines.push_back("******************");
  lines.push_back("Halbsummen in der Achse " + angleText);
  pairs.kinds.emplace_back(lines.size(), PictureTerm::Kind::midpoint);
  listSection(all, orb, searchAngle, chosenFactor, '/', dial, result);
  result.pairsOnAxis = std::move(pairs);
  return result;
}

}  // namespace kelvaro
