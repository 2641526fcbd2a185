#pragma once

#include <ostream>
#include <string>
#include <vector>

// kelvaro --sheet OUT [--orb D:MM] [--pointer D:MM] [--rings rpst] FILE
//
// The window program writes the dial sheet without a window, for batch
// work and tests: OUT.pdf holds the sheet as page 1, then the content
// overview and the axis overview as they print; OUT.svg and OUT.png hold
// the sheet alone.
namespace kelvaro::offscreen {

// Whether the words after the program name ask for the sheet.
bool asksForSheet(const std::vector<std::string>& arguments);

// Writes the sheet as `arguments` ask (the words after the program name,
// UTF-8); an application object must exist. Help and nothing else go to
// `out`, messages to `err`. Returns the exit status: 0 written, 1 wrong
// usage, 2 an unreadable file, a bad orb, pointer or ring choice, or OUT
// that could not be written (nothing is left behind then).
int runSheet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// runSheet() as main() starts it: without a display (offscreen).
int runSheetProgram(int argc, char** argv);

}  // namespace kelvaro::offscreen
