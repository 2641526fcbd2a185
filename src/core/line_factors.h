#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/factor.h"

namespace kelvaro {

// The factor variants each line of a result names, in the order the line
// names them (a pair "KNt/JUs" gives KNt, then JUs), so that views and
// exports know them without reading them back out of the text. Lines
// without factors (headings, separators) have none.
class LineFactors {
 public:
  // Adds a factor to line `line`: the last line that has factors so far, or
  // a later one (the lines in between have none). Searches call it for every
  // entry they write, so it is made to be inlined.
  void add(std::size_t line, FactorVariant factor) {
    if (ends_.size() <= line) openLine(line);
    factors_.push_back(factor);
    ++ends_.back();
  }

  // The fast way for a search that lists many entries: the factors of the
  // line being made, one by one or several at once, then endLine() with the
  // line's number (later than any line that has factors so far).
  void push(FactorVariant factor) { factors_.push_back(factor); }
  void push(std::span<const FactorVariant> factors) {
    factors_.insert(factors_.end(), factors.begin(), factors.end());
  }
  void endLine(std::size_t line) {
    ends_.resize(line + 1, ends_.empty() ? 0 : ends_.back());
    ends_.back() = static_cast<std::uint32_t>(factors_.size());
  }

  // Room for `factors` factors on `lines` lines.
  void reserve(std::size_t factors, std::size_t lines);

  // The factors of line `line`; none for a line without (or beyond the last).
  std::span<const FactorVariant> operator[](std::size_t line) const;

  bool empty() const { return factors_.empty(); }

  friend bool operator==(const LineFactors&, const LineFactors&) = default;

 private:
  // Makes `line` the last line, after lines without factors.
  void openLine(std::size_t line);

  std::vector<FactorVariant> factors_;
  // Per line up to the last with factors: where its factors end in factors_.
  std::vector<std::uint32_t> ends_;
};

// Where the entries of a line stand, for results whose lines are rows of
// equal entries (the angle search: " MCr+WIp SOr+MOt …"): entry k takes the
// characters [first + k × step, first + k × step + width) of its line and
// names the line's factors [k × factorsPerEntry, (k + 1) × factorsPerEntry).
struct EntryColumns {
  std::size_t first = 0;
  std::size_t width = 0;
  std::size_t step = 0;
  std::size_t factorsPerEntry = 0;
  friend bool operator==(const EntryColumns&, const EntryColumns&) = default;
};

// The factors of the entry at character `column` of a line that names
// `lineFactors`; none where the column lies beside every entry.
std::span<const FactorVariant> entryFactorsAt(std::span<const FactorVariant> lineFactors,
                                              const EntryColumns& entries, std::size_t column);

}  // namespace kelvaro
