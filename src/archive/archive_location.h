#pragma once

#include <filesystem>
#include <string>

namespace kelvaro::archive {

// The folder of the persons archive and its backups, the user's own data
// folder, where none of Kelvaro's file dialogs looks by default:
// %APPDATA%\Kelvaro on Windows; elsewhere $XDG_DATA_HOME/kelvaro (where
// XDG_DATA_HOME is an absolute path), else archiveFolderIn(home).
std::filesystem::path archiveFolder();
// home/.local/share/kelvaro.
std::filesystem::path archiveFolderIn(const std::filesystem::path& home);

// The archive of the program folder of earlier versions, which kept it
// beside the transit files: C:\Astro\Kelvaro\personen.sqlite on Windows,
// ~/Astro/Kelvaro/personen.sqlite elsewhere (HOME, or the home folder the
// user database names).
std::filesystem::path earlierArchiveFile();

// The archive to use, and what the user is told about it.
struct ArchiveChoice {
  std::filesystem::path file;
  std::string note;  // German; empty when there is nothing to tell
};

// The archive kelvaro-persons, kelvaro-make-transit and kelvaro use without
// --archive: personen.sqlite in archiveFolder(), moved there once from
// earlierArchiveFile() (see archiveAfterMove()).
ArchiveChoice defaultArchive();

}  // namespace kelvaro::archive
