#include "ui/platform/first_start.h"

#include <system_error>

namespace kelvaro::ui {
namespace {

void copySamples(const std::filesystem::path& samples, const std::filesystem::path& transit) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(samples, error)) {
    if (entry.path().extension() != ".dat") continue;
    std::error_code ignored;
    std::filesystem::copy_file(entry.path(), transit / entry.path().filename(),
                               std::filesystem::copy_options::skip_existing, ignored);
  }
}

}  // namespace

void prepareFoldersOnFirstStart(const ProgramFolders& folders,
                                const std::filesystem::path& samples) {
  std::error_code error;
  if (!std::filesystem::exists(folders.program, error)) {
    std::filesystem::create_directories(folders.program, error);
  }
  if (!std::filesystem::exists(folders.transit, error) &&
      std::filesystem::create_directories(folders.transit, error)) {
    copySamples(samples, folders.transit);
  }
}

void leaveInstallFolder(const ProgramFolders& folders, const std::filesystem::path& installFolder) {
  std::error_code error;
  const std::filesystem::path started = std::filesystem::current_path(error);
  if (error || !std::filesystem::equivalent(started, installFolder, error) || error) return;
  // A program folder that is missing is reported by the main window.
  std::filesystem::current_path(folders.program, error);
}

}  // namespace kelvaro::ui
