#include "cli/calendar_handover.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_words.h"

#if !defined(_WIN32) && __has_include(<unistd.h>)
#include <unistd.h>
#define KELVARO_CAN_EXEC 1
#if __has_include(<sys/auxv.h>)
#include <sys/auxv.h>
#endif
#endif

namespace kelvaro::cli {
#ifdef KELVARO_CAN_EXEC
namespace {

// Set in the environment of the program a run is handed to.
constexpr const char* kHandedOver = "KELVARO_CLI_HANDED_OVER";

enum class Asked { other, help, calendar };

Asked asked(int argc, char** argv) {
  const std::vector<std::string_view> words(argv + 1, argv + argc);
  const CommandWords found = findCommandWords(words);
  if (found.command && words[*found.command] == "calendar") return Asked::calendar;
  return found.help ? Asked::help : Asked::other;
}

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

// The environment of this process with the mark of a handed-over run.
std::vector<char*> markedEnvironment() {
  static std::string mark = std::string(kHandedOver) + "=1";
  std::vector<char*> variables;
  for (char** variable = environ; *variable != nullptr; ++variable) variables.push_back(*variable);
  variables.push_back(mark.data());
  variables.push_back(nullptr);
  return variables;
}

}  // namespace
#endif

std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program) {
#ifdef KELVARO_CAN_EXEC
  const Asked what = asked(argc, argv);
  if (what == Asked::other) return std::nullopt;
  if (std::getenv(kHandedOver) != nullptr) {
    return "kelvaro-cli: Der Transit-Kalender fehlt: An der Stelle von " + std::string(program) +
           " steht ein Programm, das ihn nur weitergibt. Bitte Kelvaro neu installieren.";
  }
  const std::filesystem::path self = runningProgram();
  // Beside this program in the build; in the program folder of an installation.
  const std::filesystem::path beside = self.parent_path() / program;
  const std::filesystem::path installed =
      self.parent_path().parent_path() / "libexec" / "kelvaro" / program;
  if (!self.empty()) {
    std::vector<char*> environment = markedEnvironment();
    ::execve(beside.c_str(), argv, environment.data());
    ::execve(installed.c_str(), argv, environment.data());
  }
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
