#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/transit_record.h"

namespace kelvaro {

// Writes `record` as a 2560-byte transit data file with the same safe replace
// as saving: an earlier file of that name is replaced only by a complete new
// one. Returns the message of a failure, nothing on success.
std::optional<std::string> writeTransitFile(const std::filesystem::path& target,
                                            const TransitRecord& record);

}  // namespace kelvaro
