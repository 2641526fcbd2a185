#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvaro::ui {

// The file types the AAF dialogs offer: AAF files first, then every file.
const std::vector<std::string>& aafFileTypes();

// Where the AAF dialogs open: the folder of the AAF file chosen last (when
// it still exists), else the user's documents, else the home folder.
std::filesystem::path aafFolder();

// Remembers the folder of a chosen AAF file for the next dialog, in this
// run and the next ones.
void rememberAafFolder(const std::filesystem::path& chosenFile);

}  // namespace kelvaro::ui
