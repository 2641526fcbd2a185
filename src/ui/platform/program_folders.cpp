#include "ui/platform/program_folders.h"

#include <system_error>

#include <QDir>

#include "archive/archive_location.h"

namespace kelvaro::ui {

ProgramFolders defaultProgramFolders() {
#ifdef Q_OS_WIN
  ProgramFolders folders{R"(C:\Astro\Kelvaro)", R"(C:\Astro\transdat)", {}};
#else
  ProgramFolders folders =
      programFoldersIn(std::filesystem::path(QDir::homePath().toStdU16String()));
#endif
  folders.data = archive::archiveFolder();
  return folders;
}

ProgramFolders programFoldersIn(const std::filesystem::path& home) {
  ProgramFolders folders{home / "Astro" / "Kelvaro", home / "Astro" / "transdat",
                         archive::archiveFolderIn(home)};
  const std::filesystem::path earlier = home / "astro" / "transdat";
  std::error_code ignored;
  if (!std::filesystem::is_directory(folders.transit, ignored) &&
      std::filesystem::is_directory(earlier, ignored)) {
    folders.transit = earlier;
  }
  return folders;
}

std::string programFolderInHelp() {
#ifdef Q_OS_WIN
  return R"(C:\Astro\Kelvaro)";
#else
  return "~/Astro/Kelvaro";
#endif
}

std::filesystem::path rootFolder() {
#ifdef Q_OS_WIN
  return R"(C:\)";
#else
  return "/";
#endif
}

}  // namespace kelvaro::ui
