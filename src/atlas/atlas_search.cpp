#include "atlas/atlas_search.h"

#include <span>

namespace kelvaro::atlas {
namespace {

bool partsNames(char c) { return c == ' ' || c == '|'; }

// The words of a folded query (" frankfurt am main "), and them as a
// phrase ("frankfurt am main").
std::vector<std::string_view> wordsOf(std::string_view query) {
  std::vector<std::string_view> words;
  while (!query.empty()) {
    const std::size_t blank = query.find(' ');
    if (blank != 0) words.push_back(query.substr(0, blank));
    query.remove_prefix(blank == std::string_view::npos ? query.size() : blank + 1);
  }
  return words;
}

}  // namespace

bool namesHold(std::string_view names, std::string_view phrase) {
  if (phrase.empty()) return false;
  for (std::size_t at = names.find(phrase); at != std::string_view::npos;
       at = names.find(phrase, at + 1)) {
    const std::size_t end = at + phrase.size();
    if ((at == 0 || partsNames(names[at - 1])) && (end == names.size() || partsNames(names[end])))
      return true;
  }
  return false;
}

std::vector<std::size_t> matchingPlaces(const AtlasFiles& atlas, std::string_view query,
                                        std::size_t limit) {
  const std::vector<std::string_view> words = wordsOf(query);
  if (words.empty() || limit == 0) return {};
  // The places of the rarest word are the fewest to compare.
  std::span<const std::uint32_t> candidates;
  for (const std::string_view word : words) {
    const auto places = atlas.placesWithWord(word);
    if (places.empty()) return {};
    if (candidates.empty() || places.size() < candidates.size()) candidates = places;
  }
  const std::string_view phrase(
      words.front().data(),
      static_cast<std::size_t>(words.back().data() + words.back().size() - words.front().data()));
  std::vector<std::size_t> found;
  for (const std::uint32_t place : candidates) {
    if (namesHold(atlas.names(place), phrase)) found.push_back(place);
    if (found.size() == limit) break;
  }
  return found;
}

}  // namespace kelvaro::atlas
