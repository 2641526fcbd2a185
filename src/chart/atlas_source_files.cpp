#include <cstdlib>

#include "chart/atlas_files.h"
#include "chart/atlas_source.h"
#include "core/running_program.h"
#include "core/text_encoding.h"

namespace kelvaro::chart::atlas_source {
namespace {

// The folder KELVARO_ATLAS names where set, else the folder "atlas" beside
// the program, which the setup installs.
std::filesystem::path atlasFolder() {
  if (const char* folder = std::getenv("KELVARO_ATLAS"); folder && *folder) {
    return pathFromUtf8(folder);
  }
  const std::filesystem::path program = runningProgram();
  return program.empty() ? std::filesystem::path() : program.parent_path() / "atlas";
}

// Read once, on the first use; empty where the files are missing or faulty.
const AtlasFiles& atlas() {
  static const AtlasFiles kFiles = [] {
    const std::filesystem::path folder = atlasFolder();
    return folder.empty() ? AtlasFiles{} : readAtlasFiles(folder).value_or(AtlasFiles{});
  }();
  return kFiles;
}

}  // namespace

bool available() { return !atlas().places.empty(); }

std::string foldedWords(std::string_view utf8) { return atlas().folding.foldedWords(utf8); }

const std::vector<SearchablePlace>& names() { return atlas().names; }

AtlasPlace place(std::size_t source) { return atlas().places.at(source); }

}  // namespace kelvaro::chart::atlas_source
