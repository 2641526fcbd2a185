#pragma once

#include <string>
#include <vector>

#include "core/transit_record.h"

namespace kelvaro::testing {

// Hand-made transit records for tests: every position starts at `fill`
// and the tests place the factors they care about.
class RecordBuilder {
 public:
  explicit RecordBuilder(double fill = 0.0) {
    for (auto& variant : record_.positions) variant.fill(fill);
  }

  RecordBuilder& at(Variant v, int factorNumber, double longitude) {
    record_.setPosition(v, factorNumber, longitude);
    return *this;
  }
  // The same longitude in all four variants.
  RecordBuilder& everywhere(int factorNumber, double longitude) {
    for (Variant v : kVariants) record_.setPosition(v, factorNumber, longitude);
    return *this;
  }
  RecordBuilder& text(std::size_t field, std::string utf8) {
    record_.texts[field] = std::move(utf8);
    return *this;
  }

  TransitRecord build() const { return record_; }

  std::vector<unsigned char> bytes() const {
    const auto raw = serializeTransitRecord(record_);
    return {raw.begin(), raw.end()};
  }

 private:
  TransitRecord record_;
};

}  // namespace kelvaro::testing
