#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/line_factors.h"
#include "core/picture.h"
#include "core/result_text.h"
#include "core/text_table.h"

namespace kelvaro {

// How the lines of a result that lists pairs on one axis (the picture
// search, the angle search) name planetary pictures without listing each:
// every two factors of a line are a pair, the right side of a picture whose
// left side is the axis. From line `kinds[i].first` on, up to the next such
// line, the pairs are of kind `kinds[i].second`; the lines before the first
// name none.
struct PairsOnAxis {
  PictureTerm axis;
  std::vector<std::pair<std::size_t, PictureTerm::Kind>> kinds;

  friend bool operator==(const PairsOnAxis&, const PairsOnAxis&) = default;
};

// How the lines of a result of equations between two pairs (the triple
// search) name their pictures: a line with four factors is the picture of
// the first two, combined as `left`, and the last two, combined as `right`.
struct PairEqualsPair {
  PictureTerm::Kind left = PictureTerm::Kind::sum;
  PictureTerm::Kind right = PictureTerm::Kind::sum;

  friend bool operator==(const PairEqualsPair&, const PairEqualsPair&) = default;
};

// What an overview or a search shows: the text of the heading label above
// the result list and the lines of the list, in one text, with the factor
// variants each line names (searches that fill them say so).
struct SearchResult {
  std::string heading;
  ResultText lines;
  LineFactors factors = {};  // none unless the search fills them
  // Where the lines are rows of equal entries (as the angle search's are),
  // where each entry stands.
  std::optional<EntryColumns> entries = {};
  // The lines as a table for spreadsheets, where the result has one (the
  // transit calendar).
  std::optional<TextTable> table = {};
  // The planetary pictures the lines name, in their order: listed one by
  // one, or for lines of pairs on one axis made from their factors (see
  // resultPictures()). Searches that do not list pictures leave both empty.
  std::vector<Picture> pictures = {};
  std::optional<PairsOnAxis> pairsOnAxis = {};
  std::optional<PairEqualsPair> pairEqualsPair = {};

  friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

// Every planetary picture the result names, in the order of its lines.
std::vector<Picture> resultPictures(const SearchResult& result);

// The picture of the entry at character `column` of line `line`, for
// results of pairs on one axis whose lines are rows of equal entries; none
// beside every entry or where the result has no such rows.
std::optional<Picture> pictureAt(const SearchResult& result, std::size_t line, std::size_t column);

}  // namespace kelvaro
