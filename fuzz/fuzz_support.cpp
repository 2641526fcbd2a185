#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "loading/orb_entry.h"

namespace kelvaro::fuzz {

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Checked here on its own, not with the program's decoder, so that a fault
// of the decoder cannot hide itself.
bool isWellFormedUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      ++pos;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1, cp = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2, cp = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3, cp = lead & 0x07u;
    } else {
      return false;
    }
    if (text.size() - pos <= extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto byte = static_cast<unsigned char>(text[pos + k]);
      if ((byte & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (byte & 0x3Fu);
    }
    const char32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    pos += extra + 1;
  }
  return true;
}

void requireShowable(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) require(isWellFormedUtf8(line), "a line is not UTF-8");
}

void requireShowable(const ResultText& lines) {
  require(isWellFormedUtf8(lines.text()), "a line is not UTF-8");
}

void requireShowable(const SearchResult& result) {
  require(isWellFormedUtf8(result.heading), "the heading is not UTF-8");
  requireShowable(result.lines);
}

std::optional<TransitRecord> consumeRecord(FuzzedDataProvider& data) {
  std::vector<unsigned char> bytes = data.ConsumeBytes<unsigned char>(kRecordSize);
  bytes.resize(kRecordSize, 0);
  return parseTransitRecord(bytes);
}

double consumeOrb(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) {
    const std::string degrees = consumeText(data);
    const std::string minutes = consumeText(data);
    return checkOrbEntry(degrees, minutes).orb;
  }
  return data.ConsumeFloatingPointInRange(-1.0, 12.0);
}

std::string consumeText(FuzzedDataProvider& data) { return data.ConsumeRandomLengthString(300); }

}  // namespace kelvaro::fuzz
