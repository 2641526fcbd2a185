#pragma once

#include <filesystem>

#include "ui/platform/program_folders.h"

namespace kelvaro::ui {

// What the Linux launcher does before it starts the program, for Windows,
// where the program starts itself: makes the program folder where it is
// missing, and makes a missing transit folder with the sample transit files
// (*.dat of `samples`) in it. A folder that cannot be made is left as it
// is: the main window then names what is missing. Touches nothing that is
// already there.
void prepareFoldersOnFirstStart(const ProgramFolders& folders,
                                const std::filesystem::path& samples);

// Results are saved in the folder the program was started in. Started in
// its own install folder (a double click there), where a user cannot write
// and an uninstall would leave them behind, it starts in the program folder
// instead, as the Start-menu entry starts it.
void leaveInstallFolder(const ProgramFolders& folders, const std::filesystem::path& installFolder);

}  // namespace kelvaro::ui
