#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "chart/fold_table.h"

// The atlas of Debian's geonames library written as the files a system
// without that library reads (chart/atlas_files.h); made on Linux when the
// Windows program is built.
namespace kelvaro::chart {

// The folding of every word character as the library folds a word of it alone.
FoldTable unicodeFoldTable();

// Writes "places.tsv" and "folding.tsv" into the folder (made where
// missing) and reads them back; the message when that fails.
std::optional<std::string> exportAtlas(const std::filesystem::path& folder);

}  // namespace kelvaro::chart
