#include "core/line_factors.h"

namespace kelvaro {

void LineFactors::openLine(std::size_t line) {
  ends_.resize(line + 1, static_cast<std::uint32_t>(factors_.size()));
}

void LineFactors::reserve(std::size_t factors, std::size_t lines) {
  factors_.reserve(factors);
  ends_.reserve(lines);
}

std::span<const FactorVariant> LineFactors::operator[](std::size_t line) const {
  if (line >= ends_.size()) return {};
  const std::uint32_t start = line == 0 ? 0 : ends_[line - 1];
  return std::span<const FactorVariant>(factors_).subspan(start, ends_[line] - start);
}

std::span<const FactorVariant> entryFactorsAt(std::span<const FactorVariant> lineFactors,
                                              const EntryColumns& entries, std::size_t column) {
  if (entries.step == 0 || entries.factorsPerEntry == 0 || column < entries.first) return {};
  const std::size_t entry = (column - entries.first) / entries.step;
  const std::size_t within = (column - entries.first) % entries.step;
  const std::size_t start = entry * entries.factorsPerEntry;
  if (within >= entries.width || start + entries.factorsPerEntry > lineFactors.size()) return {};
  return lineFactors.subspan(start, entries.factorsPerEntry);
}

}  // namespace kelvaro
