#pragma once

#include <string>

#include "core/transit_record.h"

namespace kelvaro {

// The name under which a result list is saved: surname, first name, place,
// then the parts of date (dd, mm, yyyy) and time (hh, mm, ss) read by
// character position, each after "_", and ".txt"; cut to 255 characters.
// Characters a short date or time text lacks are simply missing.
std::string resultFileName(const TransitRecord& record);

// The header line of a printed list: "S0,S1, S2, S3, S4", cut to 255 characters.
std::string printHeader(const TransitRecord& record);

// The header line of a saved list: "S0, S1, S2, S3, S4", cut to 255 characters.
std::string saveHeader(const TransitRecord& record);

}  // namespace kelvaro
