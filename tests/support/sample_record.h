#pragma once

#include <string>

#include "core/transit_record.h"
#include "support/file_bytes.h"

namespace kelvaro::testing {

// The record of a bundled sample file ("mueller-juergen.dat"); the samples
// are whole records, so a failure to read one is a broken checkout.
inline TransitRecord sampleRecord(const std::string& name) {
  const std::string bytes = fileBytes(std::string(KELVARO_SAMPLES_DIR) + "/" + name);
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  return parseTransitRecord({data, bytes.size()}).value();
}

}  // namespace kelvaro::testing
