#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/checked.h"
#include "core/result_text.h"
#include "core/transit_record.h"

namespace kelvaro {

// Saves `lines` as the save button does into `folder` (the saved working
// folder), under resultFileName(record): a blank line, the save header, a
// blank line, then the lines; Windows-1252, every line ended by CR LF.
// An earlier file of that name is replaced, but only by a complete new file.
// Returns the text of the information box, or the error message (a name that
// would leave the folder, or the system's description of the failure).
Checked<std::string> saveResultList(const std::filesystem::path& folder,
                                    const TransitRecord& record, const ResultText& lines);

// The bytes of the saved file, converted in one pass.
std::string resultFileText(const TransitRecord& record, const ResultText& lines);

}  // namespace kelvaro
