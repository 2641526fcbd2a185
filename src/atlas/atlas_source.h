#pragma once

#include <filesystem>
#include <vector>

#include "atlas/atlas_files.h"

// The atlas files the programs read.
namespace kelvaro::atlas {

// The folders the files are looked for in, in this order: the one
// KELVARO_ATLAS names (that one alone, where it is set); the folder "atlas"
// beside the program (the Windows setup installs it there); the installed
// data folder (/usr/share/kelvaro/atlas); the atlas of the build tree.
std::vector<std::filesystem::path> atlasFolders();

// The atlas of the first folder that holds it whole, read on the first
// call; nullptr where none does.
const AtlasFiles* sharedAtlas();

}  // namespace kelvaro::atlas
