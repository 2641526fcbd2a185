#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/transit_record.h"
#include "output/file_replace.h"
#include "output/save.h"

namespace kelvaro {

// The name of the dial's picture: the result file name with
// "_Gradscheibe.png" in place of its ".txt".
std::string dialPictureFileName(const TransitRecord& record);

// Writes the PNG bytes into `folder` (the saved working folder) under
// dialPictureFileName(record), replacing an earlier picture only by a
// complete new file, or keeping it and taking the next free name
// "… (2).png". Returns the file written, or the error message.
Checked<SavedFile> saveDialPicture(const std::filesystem::path& folder, const TransitRecord& record,
                                   std::string_view png, ExistingFile existing);

}  // namespace kelvaro
