#include <unistd.h>
#if __has_include(<sys/auxv.h>)
#include <sys/auxv.h>
#endif

#include "core/running_program.h"

namespace kelvaro {

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

}  // namespace kelvaro
