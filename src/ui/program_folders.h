#pragma once

#include <filesystem>

namespace kelvaro::ui {

// The two fixed folders of a run.
struct ProgramFolders {
  std::filesystem::path program;  // becomes the working folder at start; must exist
  std::filesystem::path transit;  // where the file-open dialog starts
};

// Windows: C:\Astro\Kelvaro and C:\astro\transdat. Other systems: the same
// folders below the user's home folder, ~/Astro/Kelvaro and ~/astro/transdat.
ProgramFolders defaultProgramFolders();

// The folder the program leaves as working folder when its window is closed:
// the root of drive C on Windows, "/" elsewhere.
std::filesystem::path rootFolder();

}  // namespace kelvaro::ui
