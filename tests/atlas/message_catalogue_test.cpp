#include "atlas/message_catalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro::atlas {
namespace {

void appendWord(std::string& bytes, std::uint32_t word, bool bigEndian) {
  for (int i = 0; i < 4; ++i) {
    const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
    bytes += static_cast<char>((word >> shift) & 0xFF);
  }
}

// A compiled catalogue of these pairs, in either byte order.
std::string catalogue(const std::vector<std::pair<std::string, std::string>>& pairs,
                      bool bigEndian = false) {
  const auto count = static_cast<std::uint32_t>(pairs.size());
  const std::uint32_t originals = 28;
  const std::uint32_t translations = originals + 8 * count;
  std::string strings;
  std::string tables;
  std::uint32_t offset = translations + 8 * count;
  std::string originalTable;
  std::string translationTable;
  for (const auto& [id, text] : pairs) {
    appendWord(originalTable, static_cast<std::uint32_t>(id.size()), bigEndian);
    appendWord(originalTable, offset, bigEndian);
    strings += id + '\0';
    offset += static_cast<std::uint32_t>(id.size() + 1);
  }
  for (const auto& [id, text] : pairs) {
    appendWord(translationTable, static_cast<std::uint32_t>(text.size()), bigEndian);
    appendWord(translationTable, offset, bigEndian);
    strings += text + '\0';
    offset += static_cast<std::uint32_t>(text.size() + 1);
  }
  std::string bytes;
  for (const std::uint32_t word : {0x950412deu, 0u, count, originals, translations, 0u, 0u}) {
    appendWord(bytes, word, bigEndian);
  }
  return bytes + originalTable + translationTable + strings;
}

TEST(MessageCatalogue, ReadsBothByteOrders) {
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"", "Content-Type: text/plain; charset=UTF-8\n"},
      {"2886242", "Köln"},
      {"DE", "Deutschland"},
      {std::string("one\0many", 8), std::string("Stadt\0Städte", 13)}};
  for (const bool bigEndian : {false, true}) {
    const MessageCatalogue read = MessageCatalogue::parse(catalogue(pairs, bigEndian));
    EXPECT_EQ(read.size(), 3u);  // the header is no message
    ASSERT_NE(read.find("2886242"), nullptr);
    EXPECT_EQ(*read.find("2886242"), "Köln");
    EXPECT_EQ(*read.find("DE"), "Deutschland");
    EXPECT_EQ(*read.find("one"), "Stadt");
    EXPECT_EQ(read.find("US"), nullptr);
  }
}

TEST(MessageCatalogue, AnythingElseIsAnEmptyCatalogue) {
  const std::string good = catalogue({{"DE", "Deutschland"}});
  EXPECT_EQ(MessageCatalogue::parse(good).size(), 1u);
  // Cut anywhere but after the last string (whose ending NUL is no part of it).
  for (std::size_t length = 0; length + 1 < good.size(); ++length) {
    EXPECT_EQ(MessageCatalogue::parse(good.substr(0, length)).size(), 0u) << length;
  }
  std::string wrongMagic = good;
  wrongMagic[0] = 'x';
  EXPECT_EQ(MessageCatalogue::parse(wrongMagic).size(), 0u);
  std::string tooMany = good;
  tooMany[8] = '\x7f';  // the count
  EXPECT_EQ(MessageCatalogue::parse(tooMany).size(), 0u);
  EXPECT_EQ(MessageCatalogue::read("/nicht/vorhanden.mo").size(), 0u);
}

}  // namespace
}  // namespace kelvaro::atlas
