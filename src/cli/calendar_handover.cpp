#include "cli/calendar_handover.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_words.h"
#include "cli/program_start.h"
#include "core/text_encoding.h"

namespace kelvaro::cli {
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

}  // namespace

std::optional<std::string> handOverToCalendarProgram(int argc, char** argv, const char* program) {
  const Asked what = asked(argc, argv);
  if (what == Asked::other) return std::nullopt;
  if (std::getenv(kHandedOver) != nullptr) {
    return "kelvaro-cli: Der Transit-Kalender fehlt: An der Stelle von " + std::string(program) +
           " steht ein Programm, das ihn nur weitergibt. Bitte Kelvaro neu installieren.";
  }
  const std::vector<std::filesystem::path> places = companionProgramPlaces(program);
  for (const std::filesystem::path& place : places) runInstead(place, argv, kHandedOver);
  if (what == Asked::help) return std::nullopt;  // the help without the calendar, then
  std::string folders;
  for (const std::filesystem::path& place : places) {
    folders += (folders.empty() ? "" : " oder nach ") + utf8FromPath(place.parent_path());
  }
  return "kelvaro-cli: Das Programm " + std::string(program) +
         " mit dem Transit-Kalender lässt sich nicht starten. Es gehört nach " + folders + ".";
}

}  // namespace kelvaro::cli
