#include <stdlib.h>
#include <unistd.h>
#if __has_include(<sys/auxv.h>)
#include <sys/auxv.h>
#endif

#include "cli/program_start.h"

namespace kelvaro::cli {
namespace {

// The file of the running program: where the system says it started it from.
std::filesystem::path runningProgram() {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self;
#ifdef AT_EXECFN
  // The path the program was started by, relative to the folder it was
  // started in, which is still the working folder.
  if (const auto* started = reinterpret_cast<const char*>(::getauxval(AT_EXECFN))) {
    return std::filesystem::absolute(started, error);
  }
#endif
  return {};
}

}  // namespace

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
