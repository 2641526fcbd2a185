#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/factor.h"
#include "core/search_result.h"

namespace kelvaro::testing {

// The factor variants of the pairs a result line names, read from its text:
// every word of the form "MCr+WIp" or "KNt/POs" (a comma after it allowed)
// names both of its factor variants, in their order; other words none.
inline std::vector<FactorVariant> namedFactors(std::string_view line) {
  std::vector<FactorVariant> factors;
  std::istringstream words{std::string(line)};
  for (std::string word; words >> word;) {
    if (word.ends_with(',')) word.pop_back();
    if (word.size() != 7 || (word[3] != '+' && word[3] != '/')) continue;
    std::vector<FactorVariant> pair;
    for (const std::string& half : {word.substr(0, 3), word.substr(4, 3)}) {
      const auto number = lookupFactor(half.substr(0, 2));
      const auto variant = variantFromLetter(static_cast<unsigned char>(half[2]));
      if (number && variant) pair.push_back({*number, *variant});
    }
    if (pair.size() == 2) factors.insert(factors.end(), pair.begin(), pair.end());
  }
  return factors;
}

// The lines of `result` whose carried factors differ from those their text
// names, each with what it carries; `carried` receives how many factors the
// lines carry in all.
inline std::vector<std::string> linesNotCarryingTheirFactors(const SearchResult& result,
                                                             std::size_t& carried) {
  std::vector<std::string> wrong;
  carried = 0;
  for (std::size_t k = 0; k < result.lines.size(); ++k) {
    const auto factors = result.factors[k];
    carried += factors.size();
    if (std::vector<FactorVariant>(factors.begin(), factors.end()) ==
        namedFactors(result.lines[k])) {
      continue;
    }
    std::string line(result.lines[k]);
    line += "  carries";
    for (const FactorVariant factor : factors) {
      line += ' ' + factorVariantName(factor.factor, factor.variant);
    }
    wrong.push_back(line);
  }
  return wrong;
}

}  // namespace kelvaro::testing
