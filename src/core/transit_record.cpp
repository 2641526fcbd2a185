#include "core/transit_record.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

constexpr std::size_t kPositionArraySize = factor::kCount * sizeof(double);

std::size_t positionOffset(std::size_t variant, std::size_t factorIndex) {
  return kPositionsOffset + variant * kPositionArraySize + factorIndex * sizeof(double);
}

double readLittleEndianDouble(const unsigned char* bytes) {
  std::uint64_t bits = 0;
  for (int k = 7; k >= 0; --k) bits = (bits << 8) | bytes[k];
  return std::bit_cast<double>(bits);
}

void writeLittleEndianDouble(double value, unsigned char* bytes) {
  auto bits = std::bit_cast<std::uint64_t>(value);
  for (int k = 0; k < 8; ++k, bits >>= 8) bytes[k] = static_cast<unsigned char>(bits & 0xFF);
}

std::string readTextField(const unsigned char* field) {
  const std::size_t length = field[0];
  return windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(field + 1), length));
}

void writeTextField(const std::string& utf8, unsigned char* field) {
  std::string bytes = utf8ToWindows1252(utf8);
  if (bytes.size() > kTextFieldSize - 1) bytes.resize(kTextFieldSize - 1);
  field[0] = static_cast<unsigned char>(bytes.size());
  // A length byte, then the characters: no terminating zero.
  std::copy(bytes.begin(), bytes.end(), field + 1);
}

}  // namespace

std::optional<TransitRecord> parseTransitRecord(std::span<const unsigned char> bytes) {
  if (bytes.size() < kRecordSize) return std::nullopt;
  TransitRecord record;
  for (std::size_t i = 0; i < kTextFieldCount; ++i) {
    record.texts[i] = readTextField(bytes.data() + i * kTextFieldSize);
  }
  for (std::size_t v = 0; v < record.positions.size(); ++v) {
    for (std::size_t f = 0; f < factor::kCount; ++f) {
      const double longitude = readLittleEndianDouble(bytes.data() + positionOffset(v, f));
      if (!std::isfinite(longitude)) return std::nullopt;
      record.positions[v][f] = longitude;
    }
  }
  return record;
}

std::array<unsigned char, kRecordSize> serializeTransitRecord(const TransitRecord& record) {
  std::array<unsigned char, kRecordSize> bytes{};
  for (std::size_t i = 0; i < kTextFieldCount; ++i) {
    writeTextField(record.texts[i], bytes.data() + i * kTextFieldSize);
  }
  for (std::size_t v = 0; v < record.positions.size(); ++v) {
    for (std::size_t f = 0; f < factor::kCount; ++f) {
      writeLittleEndianDouble(record.positions[v][f], bytes.data() + positionOffset(v, f));
    }
  }
  return bytes;
}

std::string headerLine(const TransitRecord& r) {
  return utf8Left(" Kelvaro mit allen R-P-S-T-Daten für " + r.surname() + ", " + r.firstName() +
                      ", " + r.place() + ", " + r.coordinate1() + ", " + r.coordinate2() + ", " +
                      r.date() + "  " + r.time(),
                  kLineLimit);
}

}  // namespace kelvaro
