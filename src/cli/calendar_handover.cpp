#include "cli/calendar_handover.h"

#include <string_view>

#include "cli/program_start.h"
#include "core/text_encoding.h"

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
  const Asked what = asked(argc, argv);
  if (what == Asked::other) return std::nullopt;
  const std::vector<std::filesystem::path> places = companionProgramPlaces(argv[0], program);
  for (const std::filesystem::path& place : places) runInstead(place, argv);
  if (what == Asked::help) return std::nullopt;  // the help without the calendar, then
  std::string folders;
  for (const std::filesystem::path& place : places) {
    folders += (folders.empty() ? "" : " oder nach ") + utf8FromPath(place.parent_path());
  }
  return "kelvaro-cli: Das Programm " + std::string(program) +
         " mit dem Transit-Kalender lässt sich nicht starten. Es gehört nach " + folders + ".";
}

}  // namespace kelvaro::cli
