#include "atlas/message_catalogue.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>

namespace kelvaro::atlas {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;

// Reads the 32-bit words of the file in the byte order its magic number shows.
class Words {
 public:
  explicit Words(std::string_view bytes) : bytes_(bytes) {}

  bool readByteOrder() {
    const auto first = at(0);
    if (first == kMagic) return true;
    swapped_ = true;
    return at(0) == kMagic;
  }

  std::optional<std::uint32_t> at(std::size_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const auto byte = static_cast<unsigned char>(bytes_[offset + static_cast<std::size_t>(i)]);
      const int shift = swapped_ ? 8 * (3 - i) : 8 * i;
      value |= static_cast<std::uint32_t>(byte) << shift;
    }
    return value;
  }

  // The string whose length and offset stand in the table entry at `entry`,
  // up to its first NUL (the first of several plural forms).
  std::optional<std::string_view> string(std::size_t entry) const {
    const auto length = at(entry);
    const auto offset = at(entry + 4);
    if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length) {
      return std::nullopt;
    }
    const std::string_view whole = bytes_.substr(*offset, *length);
    return whole.substr(0, whole.find('\0'));
  }

 private:
  std::string_view bytes_;
  bool swapped_ = false;
};

}  // namespace

MessageCatalogue MessageCatalogue::read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return parse(bytes);
}

MessageCatalogue MessageCatalogue::parse(std::string_view bytes) {
  MessageCatalogue catalogue;
  Words words(bytes);
  if (!words.readByteOrder()) return catalogue;
  const auto count = words.at(8);
  const auto originals = words.at(12);
  const auto translations = words.at(16);
  if (!count || !originals || !translations) return catalogue;
  for (std::size_t i = 0; i < *count; ++i) {
    const auto id = words.string(*originals + 8 * i);
    const auto text = words.string(*translations + 8 * i);
    if (!id || !text) return {};
    if (!id->empty()) catalogue.translations_.emplace(*id, *text);
  }
  return catalogue;
}

const std::string* MessageCatalogue::find(const std::string& id) const {
  const auto found = translations_.find(id);
  return found == translations_.end() ? nullptr : &found->second;
}

}  // namespace kelvaro::atlas
