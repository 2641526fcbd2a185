#include "ui/program_folders.h"

#include <QDir>

namespace kelvaro::ui {

ProgramFolders defaultProgramFolders() {
#ifdef Q_OS_WIN
  return {R"(C:\Astro\Kelvaro)", R"(C:\astro\transdat)"};
#else
  const std::filesystem::path home(QDir::homePath().toStdU16String());
  return {home / "Astro" / "Kelvaro", home / "astro" / "transdat"};
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
