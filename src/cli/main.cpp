// kelvaro-cli: every overview and search of Kelvaro without windows.
//
//   kelvaro-cli [--orb D:MM] [--save DIR] FILE COMMAND [ARGS...]
//
// Prints exactly the lines the result list would hold (UTF-8, LF) on stdout
// and the messages the window would show on stderr (see cli/run.h).
//
// kelvaro-cli-chart is built from this file too: the same program with the
// transit calendar (command calendar), to which kelvaro-cli hands such runs.
#include <iostream>

#include "cli/calendar_handover.h"
#include "cli/command_set.h"
#include "cli/run.h"

int main(int argc, char** argv) {
  using namespace kelvaro::cli;
#ifdef KELVARO_CALENDAR_PROGRAM
  if (const auto failure = handOverToCalendarProgram(argc, argv, KELVARO_CALENDAR_PROGRAM)) {
    std::cerr << *failure << '\n';
    return kExitUsage;
  }
#endif
#ifdef KELVARO_WITH_CALENDAR
  return runProgram(argc, argv, addCalendarCommands);
#else
  return runProgram(argc, argv);
#endif
}
