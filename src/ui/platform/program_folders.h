#pragma once

#include <filesystem>
#include <string>

namespace kelvaro::ui {

// The fixed folders of a run.
struct ProgramFolders {
  std::filesystem::path program;  // becomes the working folder at start; must exist
  std::filesystem::path transit;  // where the file-open dialog starts
  std::filesystem::path data;     // the persons archive and its backups (made when needed)
};

// Windows: C:\Astro\Kelvaro and C:\Astro\transdat (the same folders as
// the C:\astro\transdat of earlier versions: names there ignore case).
// Other systems: programFoldersIn(the user's home). The data folder:
// archive::archiveFolder().
ProgramFolders defaultProgramFolders();

// The folders below `home` off Windows: home/Astro/Kelvaro and
// home/Astro/transdat beside it. Where only the transit folder of earlier
// versions, home/astro/transdat, exists, the file dialog opens there, so
// that nobody's files seem to have vanished. The data folder:
// home/.local/share/kelvaro.
ProgramFolders programFoldersIn(const std::filesystem::path& home);

// The program folder as the help texts name it: C:\Astro\Kelvaro on
// Windows, ~/Astro/Kelvaro elsewhere.
std::string programFolderInHelp();

// The folder the program leaves as working folder when its window is closed:
// the root of drive C on Windows, "/" elsewhere.
std::filesystem::path rootFolder();

}  // namespace kelvaro::ui
