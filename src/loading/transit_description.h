#pragma once

#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/transit_record.h"

namespace kelvaro {

// A transit record as readable text, the source of the sample files:
//
//   S0 Müller                      one line per text field S0–S6 ("S3 05.03.2007")
//   MC 100.0 130.25 150.5 310.0    one line per factor: R, P, S and T longitude
//
// Empty lines and lines starting with "#" are ignored. All seven text fields
// and all 24 factors must be given once.
Checked<TransitRecord> parseTransitDescription(std::string_view text);

// The readable text of a record, which parseTransitDescription reads back.
std::string describeTransitRecord(const TransitRecord& record);

}  // namespace kelvaro
