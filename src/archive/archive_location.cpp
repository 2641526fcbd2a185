#include "archive/archive_location.h"

#include <cstdlib>

#include "archive/archive.h"
#include "archive/archive_move.h"
#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace kelvaro::archive {
namespace {

#ifndef _WIN32
std::filesystem::path homeFolder() {
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = ::getpwuid(::getuid());
    home = user && user->pw_dir ? user->pw_dir : ".";
  }
  return home;
}
#endif

}  // namespace

std::filesystem::path archiveFolder() {
#ifdef _WIN32
  for (const wchar_t* name : {L"APPDATA", L"USERPROFILE"}) {
    const wchar_t* folder = ::_wgetenv(name);
    if (!folder || !*folder) continue;
    const std::filesystem::path found(folder);
    return name[0] == L'A' ? found / "Kelvaro" : found / "AppData" / "Roaming" / "Kelvaro";
  }
  return R"(C:\Astro\Kelvaro)";
#else
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && std::filesystem::path(data).is_absolute()) {
    return std::filesystem::path(data) / "kelvaro";
  }
  return archiveFolderIn(homeFolder());
#endif
}

std::filesystem::path archiveFolderIn(const std::filesystem::path& home) {
  return home / ".local" / "share" / "kelvaro";
}

std::filesystem::path earlierArchiveFile() {
#ifdef _WIN32
  return archiveFileIn(R"(C:\Astro\Kelvaro)");
#else
  return archiveFileIn(homeFolder() / "Astro" / "Kelvaro");
#endif
}

ArchiveChoice defaultArchive() {
  return archiveAfterMove(earlierArchiveFile(), archiveFileIn(archiveFolder()));
}

}  // namespace kelvaro::archive
