#include <stdlib.h>
#include <unistd.h>

#include "cli/program_start.h"
#include "core/running_program.h"

namespace kelvaro::cli {

std::vector<std::filesystem::path> companionProgramPlaces(const char* name) {
  const std::filesystem::path self = runningProgram();
  if (self.empty()) return {};
  return {self.parent_path() / name,
          self.parent_path().parent_path() / "libexec" / "kelvaro" / name};
}

void runInstead(const std::filesystem::path& program, char** argv, const char* mark) {
  ::setenv(mark, "1", 1);
  ::execv(program.c_str(), argv);
  ::unsetenv(mark);
}

}  // namespace kelvaro::cli
