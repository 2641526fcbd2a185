#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/transit_record.h"

namespace kelvaro {

// The name of the dial's picture: the result file name with
// "_Gradscheibe.png" in place of its ".txt".
std::string dialPictureFileName(const TransitRecord& record);

// Writes the PNG bytes into `folder` (the saved working folder) under
// dialPictureFileName(record), replacing an earlier picture only by a
// complete new file. Returns the text of the information box, or the error
// message.
Checked<std::string> saveDialPicture(const std::filesystem::path& folder,
                                     const TransitRecord& record, std::string_view png);

}  // namespace kelvaro
