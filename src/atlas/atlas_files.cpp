#include "atlas/atlas_files.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

namespace kelvaro::atlas {
namespace {

constexpr std::string_view kPlacesHeader = "# kelvaro places 2";
constexpr std::string_view kWordsHeader = "# kelvaro words 1";
constexpr std::size_t kFields = 10;
constexpr std::size_t kNamesField = kFields - 1;
using Fields = std::array<std::string_view, kFields>;

template <typename Number>
void writeNumber(std::ostream& out, Number value) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  out << '\t' << std::string_view(text.data(), static_cast<std::size_t>(end - text.data()));
}

template <typename Number>
bool readNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

// The fields of a line; false unless it has exactly kFields.
bool split(std::string_view line, Fields& fields) {
  for (std::size_t i = 0; i < kFields; ++i) {
    const std::size_t tab = line.find('\t');
    fields[i] = line.substr(0, tab);
    if (tab == std::string_view::npos) return i + 1 == kFields;
    line.remove_prefix(tab + 1);
  }
  return false;
}

// The next line of `text` from `at` on, without its line end; false at the
// end or for a last line without one.
bool nextLine(std::string_view text, std::size_t& at, std::string_view& line) {
  if (at >= text.size()) return false;
  const std::size_t end = text.find('\n', at);
  if (end == std::string_view::npos) return false;
  line = text.substr(at, end - at);
  at = end + 1;
  return true;
}

bool readFile(const std::filesystem::path& file, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  text = std::move(bytes).str();
  return true;
}

}  // namespace

void writePlaces(std::ostream& out, const std::vector<AtlasEntry>& entries) {
  out << kPlacesHeader << '\n';
  for (const AtlasEntry& entry : entries) {
    const AtlasPlace& place = entry.place;
    out << place.name << '\t' << place.state << '\t' << place.country << '\t' << place.countryCode
        << '\t' << place.zone;
    writeNumber(out, place.latitude);
    writeNumber(out, place.longitude);
    writeNumber(out, place.population);
    writeNumber(out, place.geonamesId);
    out << '\t';
    for (std::size_t i = 0; i < entry.names.size(); ++i) {
      out << (i == 0 ? "" : "|") << entry.names[i];
    }
    out << '\n';
  }
}

void writeWords(std::ostream& out, const std::vector<AtlasEntry>& entries) {
  std::map<std::string, std::vector<std::uint32_t>, std::less<>> places;
  for (std::size_t index = 0; index < entries.size(); ++index) {
    for (const std::string& name : entries[index].names) {
      std::string_view rest = name;
      while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        const std::string_view word = rest.substr(0, blank);
        rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
        if (word.empty()) continue;
        auto& list = places[std::string(word)];
        if (list.empty() || list.back() != index) list.push_back(static_cast<std::uint32_t>(index));
      }
    }
  }
  out << kWordsHeader << '\n';
  for (const auto& [word, list] : places) {
    out << word << '\t';
    std::uint32_t before = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
      out << (i == 0 ? "" : ",") << list[i] - before;
      before = list[i];
    }
    out << '\n';
  }
}

std::optional<AtlasFiles> AtlasFiles::read(const std::filesystem::path& folder) {
  std::string places, words;
  if (!readFile(folder / kPlacesFile, places) || !readFile(folder / kWordsFile, words)) {
    return std::nullopt;
  }
  std::ifstream folding(folder / kFoldingFile, std::ios::binary);
  auto table = folding ? FoldTable::read(folding) : std::nullopt;
  if (!table || table->empty()) return std::nullopt;
  return parse(std::move(places), words, std::move(*table));
}

std::optional<AtlasFiles> AtlasFiles::parse(std::string places, std::string_view words,
                                            FoldTable folding) {
  // Every place is found by a 32-bit position in the text.
  if (places.size() >= std::numeric_limits<std::uint32_t>::max() ||
      words.size() >= std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  AtlasFiles atlas;
  atlas.places_ = std::move(places);
  atlas.folding_ = std::move(folding);
  if (!atlas.readPlaceLines() || atlas.lineStarts_.empty() || !atlas.readWordLines(words)) {
    return std::nullopt;
  }
  return atlas;
}

bool AtlasFiles::readPlaceLines() {
  std::size_t at = 0;
  std::string_view text = places_;
  std::string_view line;
  if (!nextLine(text, at, line) || line != kPlacesHeader) return false;
  const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  lineStarts_.reserve(lines);
  nameStarts_.reserve(lines);
  while (at < text.size()) {
    const std::size_t start = at;
    if (!nextLine(text, at, line)) return false;
    Fields fields;
    double latitude = 0, longitude = 0;
    unsigned population = 0;
    std::uint32_t id = 0;
    if (!split(line, fields) || fields[0].empty() || fields[4].empty() ||
        !readNumber(fields[5], latitude) || !readNumber(fields[6], longitude) ||
        !readNumber(fields[7], population) || !readNumber(fields[8], id) ||
        fields[kNamesField].empty()) {
      return false;
    }
    lineStarts_.push_back(static_cast<std::uint32_t>(start));
    nameStarts_.push_back(static_cast<std::uint32_t>(fields[kNamesField].data() - text.data()));
  }
  return true;
}

bool AtlasFiles::readWordLines(std::string_view text) {
  std::size_t at = 0;
  std::string_view line;
  if (!nextLine(text, at, line) || line != kWordsHeader) return false;
  reserveWords(text.substr(at));
  wordStarts_.push_back(0);
  postingStarts_.push_back(0);
  while (at < text.size()) {
    if (!nextLine(text, at, line)) return false;
    const std::size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string_view::npos) return false;
    const std::string_view word = line.substr(0, tab);
    // Strictly ascending, for the search by halves.
    if (wordStarts_.size() > 1 && word <= this->word(wordStarts_.size() - 2)) return false;
    std::string_view list = line.substr(tab + 1);
    std::uint32_t place = 0;
    bool first = true;
    while (true) {
      const std::size_t comma = list.find(',');
      std::uint32_t distance = 0;
      if (!readNumber(list.substr(0, comma), distance) || (!first && distance == 0) ||
          distance >= size() - place) {
        return false;
      }
      place += distance;
      postings_.push_back(place);
      first = false;
      if (comma == std::string_view::npos) break;
      list.remove_prefix(comma + 1);
    }
    words_ += word;
    wordStarts_.push_back(static_cast<std::uint32_t>(words_.size()));
    postingStarts_.push_back(static_cast<std::uint32_t>(postings_.size()));
  }
  return true;
}

// Room for the words and places of the lines of "words.tsv" at once: grown
// step by step, the index would take up to twice its memory on the way.
void AtlasFiles::reserveWords(std::string_view lines) {
  std::size_t words = 0, bytes = 0, postings = 0;
  for (std::size_t at = 0; at < lines.size();) {
    std::size_t end = lines.find('\n', at);
    if (end == std::string_view::npos) end = lines.size();
    const std::string_view line = lines.substr(at, end - at);
    const std::size_t tab = std::min(line.find('\t'), line.size());
    ++words;
    bytes += tab;
    postings += 1 + static_cast<std::size_t>(std::count(line.begin() + tab, line.end(), ','));
    at = end + 1;
  }
  words_.reserve(bytes);
  wordStarts_.reserve(words + 1);
  postingStarts_.reserve(words + 1);
  postings_.reserve(postings);
}

std::string_view AtlasFiles::line(std::size_t index) const {
  const std::size_t start = lineStarts_.at(index);
  const std::size_t end =
      index + 1 < lineStarts_.size() ? lineStarts_[index + 1] - 1 : places_.size() - 1;
  return std::string_view(places_).substr(start, end - start);
}

std::string_view AtlasFiles::word(std::size_t index) const {
  return std::string_view(words_).substr(wordStarts_[index],
                                         wordStarts_[index + 1] - wordStarts_[index]);
}

AtlasPlace AtlasFiles::place(std::size_t index) const {
  Fields fields;
  split(line(index), fields);  // checked when read
  AtlasPlace place{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                   std::string(fields[3]), std::string(fields[4])};
  readNumber(fields[5], place.latitude);
  readNumber(fields[6], place.longitude);
  readNumber(fields[7], place.population);
  readNumber(fields[8], place.geonamesId);
  return place;
}

std::string_view AtlasFiles::names(std::size_t index) const {
  const std::string_view whole = line(index);
  return whole.substr(nameStarts_.at(index) - lineStarts_[index]);
}

std::span<const std::uint32_t> AtlasFiles::placesWithWord(std::string_view wanted) const {
  std::size_t low = 0, high = wordStarts_.size() - 1;
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (word(middle) < wanted) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (low == wordStarts_.size() - 1 || word(low) != wanted) return {};
  return std::span<const std::uint32_t>(postings_).subspan(
      postingStarts_[low], postingStarts_[low + 1] - postingStarts_[low]);
}

}  // namespace kelvaro::atlas
