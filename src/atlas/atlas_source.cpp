#include "atlas/atlas_source.h"

#include <cstdlib>

#include "core/running_program.h"
#include "core/text_encoding.h"

namespace kelvaro::atlas {

std::vector<std::filesystem::path> atlasFolders() {
  if (const char* folder = std::getenv("KELVARO_ATLAS"); folder && *folder) {
    return {pathFromUtf8(folder)};
  }
  std::vector<std::filesystem::path> folders;
  if (const std::filesystem::path program = runningProgram(); !program.empty()) {
    folders.push_back(program.parent_path() / "atlas");
  }
#ifdef KELVARO_ATLAS_INSTALLED
  folders.push_back(pathFromUtf8(KELVARO_ATLAS_INSTALLED));
#endif
#ifdef KELVARO_ATLAS_BUILT
  folders.push_back(pathFromUtf8(KELVARO_ATLAS_BUILT));
#endif
  return folders;
}

const AtlasFiles* sharedAtlas() {
  static const std::optional<AtlasFiles> kFiles = []() -> std::optional<AtlasFiles> {
    for (const std::filesystem::path& folder : atlasFolders()) {
      std::error_code error;
      if (!std::filesystem::exists(folder / kPlacesFile, error)) continue;
      return AtlasFiles::read(folder);
    }
    return std::nullopt;
  }();
  return kFiles ? &*kFiles : nullptr;
}

}  // namespace kelvaro::atlas
