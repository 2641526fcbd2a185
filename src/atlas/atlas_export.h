#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/atlas_entries.h"
#include "atlas/fold_table.h"

// The build's making of the atlas files (kelvaro-atlas-export): GeoNames'
// places, the German names of Debian's geonames library and of iso-codes,
// every name folded by GLib's Unicode rules. Only the build uses these
// libraries; the programs read the files.
namespace kelvaro::atlas {

// A text's words folded as the atlas compares them, between blanks
// (" frankfurt am main "): case and compatible forms ignored.
std::string glibFoldedWords(std::string_view utf8);

// A name's folded forms (atlas_entries.h): the words, then their ASCII by
// English and by German rules where they differ.
std::vector<std::string> glibFoldedForms(std::string_view name);

// The folding of every word character as GLib folds a word of it alone.
FoldTable unicodeFoldTable();

// The German names of Debian's geonames library.
LibraryNames libraryNames();

// Reads GeoNames' table `cities`, writes "places.tsv", "words.tsv" and
// "folding.tsv" into the folder (made where missing) and reads them back;
// the message when that fails.
std::optional<std::string> exportAtlas(const std::filesystem::path& cities,
                                       const std::filesystem::path& folder);

}  // namespace kelvaro::atlas
