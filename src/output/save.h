#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/checked.h"
#include "core/result_text.h"
#include "core/transit_record.h"
#include "output/file_replace.h"

namespace kelvaro {

// A file a save has written.
struct SavedFile {
  std::string name;         // its name in the folder
  std::string information;  // the text of the information box, which names it
};

// Saves `lines` as the save button does into `folder` (the saved working
// folder), under resultFileName(record): a blank line, the save header, a
// blank line, then the lines; Windows-1252, every line ended by CR LF.
// An earlier file of that name is replaced (only by a complete new file) or
// kept, the lines then going under the next free name "… (2).txt".
// Returns the file written, or the error message (a name that would leave
// the folder, or the system's description of the failure).
Checked<SavedFile> saveResultList(const std::filesystem::path& folder, const TransitRecord& record,
                                  const ResultText& lines, ExistingFile existing);

// The bytes of the saved file, converted in one pass.
std::string resultFileText(const TransitRecord& record, const ResultText& lines);

// The message of a file that could not be written: its path and the
// system's description of the failure, in German.
std::string saveFailureMessage(const std::filesystem::path& target, const std::error_code& error);

}  // namespace kelvaro
