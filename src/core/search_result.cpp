#include "core/search_result.h"

#include <algorithm>

namespace kelvaro {
namespace {

// The kind of the pairs on line `line`; none before the first line that has one.
std::optional<PictureTerm::Kind> pairKindOn(const PairsOnAxis& pairs, std::size_t line) {
  std::optional<PictureTerm::Kind> kind;
  for (const auto& [from, kindFrom] : pairs.kinds) {
    if (from > line) break;
    kind = kindFrom;
  }
  return kind;
}

}  // namespace

std::vector<Picture> resultPictures(const SearchResult& result) {
  std::vector<Picture> pictures = result.pictures;
  if (const auto& equations = result.pairEqualsPair) {
    for (std::size_t line = 0; line < result.lines.size(); ++line) {
      const auto factors = result.factors[line];
      if (factors.size() != 4) continue;
      pictures.push_back({line, PictureTerm::ofPair(equations->left, factors[0], factors[1]),
                          PictureTerm::ofPair(equations->right, factors[2], factors[3])});
    }
  }
  if (!result.pairsOnAxis) return pictures;
  const PairsOnAxis& pairs = *result.pairsOnAxis;
  for (std::size_t line = 0; line < result.lines.size(); ++line) {
    const auto factors = result.factors[line];
    const auto kind = pairKindOn(pairs, line);
    if (!kind) continue;
    for (std::size_t k = 0; k + 1 < factors.size(); k += 2) {
      pictures.push_back(
          {line, pairs.axis, PictureTerm::ofPair(*kind, factors[k], factors[k + 1])});
    }
  }
  return pictures;
}

std::optional<Picture> pictureAt(const SearchResult& result, std::size_t line, std::size_t column) {
  if (!result.entries || !result.pairsOnAxis || result.entries->step == 0 ||
      column < result.entries->first) {
    return std::nullopt;
  }
  const EntryColumns& entries = *result.entries;
  if ((column - entries.first) % entries.step >= entries.width) return std::nullopt;
  const std::size_t entry = (column - entries.first) / entries.step;
  const auto factors = result.factors[line];
  const auto kind = pairKindOn(*result.pairsOnAxis, line);
  if (!kind || factors.size() < 2 * entry + 2) return std::nullopt;
  return Picture{line, result.pairsOnAxis->axis,
                 PictureTerm::ofPair(*kind, factors[2 * entry], factors[2 * entry + 1])};
}

}  // namespace kelvaro
