#include <unistd.h>

#include "cli/program_start.h"

namespace kelvaro::cli {

std::vector<std::filesystem::path> companionProgramPlaces(const char* argv0, const char* name) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = argv0;
  return {self.parent_path() / name,
          self.parent_path().parent_path() / "libexec" / "kelvaro" / name};
}

void runInstead(const std::filesystem::path& program, char** argv) {
  ::execv(program.c_str(), argv);
}

}  // namespace kelvaro::cli
