#include "cli/calendar_handover.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define KELVARO_CAN_EXEC 1
#endif

namespace kelvaro::cli {
namespace {

bool asksForCalendar(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "calendar" || argument == "-h" || argument.starts_with("--help")) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program) {
#ifdef KELVARO_CAN_EXEC
  if (!asksForCalendar(argc, argv)) return std::nullopt;
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = argv[0];
  const std::filesystem::path full = self.parent_path() / program;
  ::execv(full.c_str(), argv);
  return "kelvaro-cli: " + full.string() + " lässt sich nicht starten: " + std::strerror(errno);
#else
  (void)argc;
  (void)argv;
  (void)program;
  return std::nullopt;
#endif
}

}  // namespace kelvaro::cli
