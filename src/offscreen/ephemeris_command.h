#pragma once

#include <ostream>
#include <string>
#include <vector>

// kelvaro --ephemeris OUT --person NUMMER [--archive FILE] --from=TT.MM.JJJJ
//     --to=TT.MM.JJJJ [--movers=S,P,T] [--bodies=…] [--with=…] [--zone=ZONE]
//
// The window program writes the sheet of a person's graphic ephemeris
// without a window: OUT.pdf, OUT.png or OUT.svg, one page.
namespace kelvaro::offscreen {

// Whether the words after the program name ask for the ephemeris sheet.
bool asksForEphemeris(const std::vector<std::string>& arguments);

// Writes the sheet as `arguments` ask (UTF-8); an application object must
// exist. Help goes to `out`, messages to `err`. Returns the exit status:
// 0 written, 1 wrong usage, 2 refused (an unknown person or archive, a
// person without a checked place, a bad option, an unknown extension, OUT
// not writable; nothing is left behind then).
int runEphemeris(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// runEphemeris() as main() starts it: without a display (offscreen).
int runEphemerisProgram(int argc, char** argv);

}  // namespace kelvaro::offscreen
