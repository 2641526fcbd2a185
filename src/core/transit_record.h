#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "core/factor.h"

namespace kelvaro {

inline constexpr std::size_t kRecordSize = 2560;
inline constexpr std::size_t kTextFieldCount = 7;
inline constexpr std::size_t kTextFieldSize = 256;
inline constexpr std::size_t kPositionsOffset = kTextFieldCount * kTextFieldSize;  // 1792

// The one record of a transit data file: seven text fields and the
// longitudes of the 24 factors in the four horoscopes.
struct TransitRecord {
  // S0 surname, S1 first name, S2 transit place, S3 date, S4 time,
  // S5 and S6 the coordinates of the place; UTF-8, at most 255 characters.
  std::array<std::string, kTextFieldCount> texts;
  // Longitudes in degrees, indexed [variant][factor number − 1].
  std::array<std::array<double, factor::kCount>, 4> positions{};

  double position(Variant v, int factorNumber) const {
    return positions[static_cast<std::size_t>(variantIndex(v))]
                    [static_cast<std::size_t>(factorNumber - 1)];
  }
  void setPosition(Variant v, int factorNumber, double longitude) {
    positions[static_cast<std::size_t>(variantIndex(v))]
             [static_cast<std::size_t>(factorNumber - 1)] = longitude;
  }

  const std::string& surname() const { return texts[0]; }
  const std::string& firstName() const { return texts[1]; }
  const std::string& place() const { return texts[2]; }
  const std::string& date() const { return texts[3]; }
  const std::string& time() const { return texts[4]; }
  const std::string& coordinate1() const { return texts[5]; }
  const std::string& coordinate2() const { return texts[6]; }

  friend bool operator==(const TransitRecord&, const TransitRecord&) = default;
};

// Reads the first 2560 bytes. Fails (nullopt) when fewer bytes are given or
// when a position is not a finite number; any other content is accepted.
std::optional<TransitRecord> parseTransitRecord(std::span<const unsigned char> bytes);

// The 2560 bytes of a record; texts are written in Windows-1252 and cut to
// 255 bytes, positions as little-endian doubles.
std::array<unsigned char, kRecordSize> serializeTransitRecord(const TransitRecord& record);

// The caption of the top bar after a load, cut to 255 characters.
std::string headerLine(const TransitRecord& record);

}  // namespace kelvaro
