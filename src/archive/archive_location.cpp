#include "archive/archive_location.h"

#include <cstdlib>

#include "archive/archive.h"
#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace kelvaro::archive {
namespace {

std::filesystem::path programFolder() {
#ifdef _WIN32
  return R"(C:\Astro\Kelvaro)";
#else
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = ::getpwuid(::getuid());
    home = user && user->pw_dir ? user->pw_dir : ".";
  }
  return std::filesystem::path(home) / "Astro" / "Kelvaro";
#endif
}

}  // namespace

std::filesystem::path defaultArchiveFile() { return archiveFileIn(programFolder()); }

}  // namespace kelvaro::archive
