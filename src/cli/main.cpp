// kelvaro-cli: every overview and search of Kelvaro without windows.
//
//   kelvaro-cli [--orb D:MM] [--save DIR] FILE COMMAND [ARGS...]
//
// Prints exactly the lines the result list would hold (UTF-8, LF) on stdout
// and the messages the window would show on stderr (see cli/run.h).
#include "cli/run.h"

int main(int argc, char** argv) { return kelvaro::cli::runProgram(argc, argv); }
