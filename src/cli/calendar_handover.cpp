#include "cli/calendar_handover.h"

#include <filesystem>
#include <string>
#include <string_view>

#if !defined(_WIN32) && __has_include(<unistd.h>)
#include <unistd.h>
#define KELVARO_CAN_EXEC 1
#endif

namespace kelvaro::cli {
namespace {

enum class Asked { other, help, calendar };

Asked asked(int argc, char** argv) {
  Asked found = Asked::other;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "calendar") return Asked::calendar;
    if (argument == "-h" || argument.starts_with("--help")) found = Asked::help;
  }
  return found;
}

}  // namespace

std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program) {
#ifdef KELVARO_CAN_EXEC
  const Asked what = asked(argc, argv);
  if (what == Asked::other) return std::nullopt;
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = argv[0];
  // Beside this program in the build; in the program folder of an installation.
  const std::filesystem::path beside = self.parent_path() / program;
  const std::filesystem::path installed =
      self.parent_path().parent_path() / "libexec" / "kelvaro" / program;
  ::execv(beside.c_str(), argv);
  ::execv(installed.c_str(), argv);
  if (what == Asked::help) return std::nullopt;  // the help without the calendar, then
  return "kelvaro-cli: Das Programm " + std::string(program) +
         " mit dem Transit-Kalender lässt sich nicht starten. Es gehört nach " +
         beside.parent_path().string() + " oder nach " + installed.parent_path().string() + ".";
#else
  (void)argc;
  (void)argv;
  (void)program;
  return std::nullopt;
#endif
}

}  // namespace kelvaro::cli
