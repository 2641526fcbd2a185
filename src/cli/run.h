#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "loading/transit_file.h"

namespace kelvaro::cli {

class CommandSet;

// Reads the transit file named on the command line.
using TransitLoader = std::function<LoadResult(const std::string& path)>;
// Adds commands beyond the common ones (the transit calendar's program).
using CommandAdder = void (*)(CommandSet& commands);

// kelvaro-cli on `arguments` (the words after the program name, UTF-8):
// parse, orb, load, run the command, print, save. The lines go to `out`
// (UTF-8, LF), the messages to `err`. Returns the exit status: kExitDone,
// kExitUsage for wrong usage, kExitRefused for an invalid orb, an
// unreadable file, a refused entry, lines that could not be written or a
// failed save.
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
        const TransitLoader& load = loadTransitFile, CommandAdder addMore = nullptr);

// run() as the system starts the program: the arguments of main() (UTF-8
// whatever the system passes), stdout and stderr.
int runProgram(int argc, char** argv, CommandAdder addMore = nullptr);

}  // namespace kelvaro::cli
