#include "ui/program_folders.h"

#include <system_error>

#include <QDir>

namespace kelvaro::ui {

ProgramFolders defaultProgramFolders() {
#ifdef Q_OS_WIN
  return {R"(C:\Astro\Kelvaro)", R"(C:\astro\transdat)"};
#else
  return programFoldersIn(std::filesystem::path(QDir::homePath().toStdU16String()));
#endif
}

ProgramFolders programFoldersIn(const std::filesystem::path& home) {
  ProgramFolders folders{home / "Astro" / "Kelvaro", home / "Astro" / "transdat"};
  const std::filesystem::path earlier = home / "astro" / "transdat";
  std::error_code ignored;
  if (!std::filesystem::is_directory(folders.transit, ignored) &&
      std::filesystem::is_directory(earlier, ignored)) {
    folders.transit = earlier;
  }
  return folders;
}

std::filesystem::path rootFolder() {
#ifdef Q_OS_WIN
  return R"(C:\)";
#else
  return "/";
#endif
}

}  // namespace kelvaro::ui
