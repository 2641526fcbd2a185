#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/fold_table.h"
#include "atlas/place_atlas.h"

// The place atlas as files, made at build time from GeoNames' places
// (kelvaro-atlas-export) and read by the programs on every system:
// - "places.tsv": a header line, then one place per line, the most
//   populous first, fields parted by tabs: name, region, country, country
//   code, zone, latitude, longitude (shortest exact decimals), population,
//   GeoNames number, and the searchable names, each folded (its words
//   parted by single blanks: "frankfurt am main"), parted by "|";
// - "words.tsv": a header line, then every word of the searchable names in
//   byte order, each with the numbers of the lines (0 = the first place)
//   whose names hold it, ascending, each written as its distance to the
//   one before ("köln<TAB>17,2,5033");
// - "folding.tsv": the folding of a query's characters (atlas/fold_table.h).
namespace kelvaro::atlas {

inline constexpr const char* kPlacesFile = "places.tsv";
inline constexpr const char* kWordsFile = "words.tsv";
inline constexpr const char* kFoldingFile = "folding.tsv";

// A place as the build writes it.
struct AtlasEntry {
  AtlasPlace place;
  std::vector<std::string> names;  // folded, without "|", tabs and line ends
};

// "places.tsv" and "words.tsv" of the entries, in their order.
void writePlaces(std::ostream& out, const std::vector<AtlasEntry>& entries);
void writeWords(std::ostream& out, const std::vector<AtlasEntry>& entries);

// The atlas read from its files, kept as compact as the texts allow: the
// places' lines stay one text, read field by field when a place is asked for.
class AtlasFiles {
 public:
  // The files of the folder; nullopt where one is missing or faulty.
  static std::optional<AtlasFiles> read(const std::filesystem::path& folder);
  // The same from the files' texts.
  static std::optional<AtlasFiles> parse(std::string places, std::string_view words,
                                         FoldTable folding);

  std::size_t size() const { return lineStarts_.size(); }
  AtlasPlace place(std::size_t index) const;
  // The searchable names of a place as the file holds them ("köln|koln|koeln").
  std::string_view names(std::size_t index) const;
  // The places whose names hold the folded word, ascending; empty for none.
  std::span<const std::uint32_t> placesWithWord(std::string_view word) const;
  const FoldTable& folding() const { return folding_; }

 private:
  bool readPlaceLines();
  bool readWordLines(std::string_view words);
  void reserveWords(std::string_view lines);
  std::string_view line(std::size_t index) const;
  std::string_view word(std::size_t index) const;

  std::string places_;                        // the text of "places.tsv"
  std::vector<std::uint32_t> lineStarts_;     // where each place's line begins
  std::vector<std::uint32_t> nameStarts_;     // where its searchable names begin
  std::string words_;                         // the words of "words.tsv", one after another
  std::vector<std::uint32_t> wordStarts_;     // where each begins; one more at the end
  std::vector<std::uint32_t> postingStarts_;  // where each one's places begin; one more
  std::vector<std::uint32_t> postings_;       // the places of every word
  FoldTable folding_;
};

}  // namespace kelvaro::atlas
