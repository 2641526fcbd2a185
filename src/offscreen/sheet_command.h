#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// kelvaro --sheet OUT [--orb D:MM] [--pointer D:MM] [--dial GRAD] [--rings rpst]
//     [--archive FILE] FILE
// kelvaro --sheet OUT --client [--pictures "SO=MA/SA,MC=JU/PL"] [--keywords FILE] … FILE
//
// The window program writes the dial sheet without a window, for batch
// work and tests: OUT.pdf holds the sheet as page 1, then the content
// overview and the axis overview as they print; OUT.svg and OUT.png hold
// the sheet alone. With --client it writes the client sheet, one page in
// every format: the chosen pictures, or those at the pointer.
namespace kelvaro::offscreen {

// Whether the words after the program name ask for the sheet.
bool asksForSheet(const std::vector<std::string>& arguments);

// Writes the sheet as `arguments` ask (the words after the program name,
// UTF-8); an application object must exist. Help and nothing else go to
// `out`, messages to `err`. `keywordsFile` is the program folder's
// keywords, which the client sheet reads without --keywords (the shipped
// ones where it is missing). Returns the exit status: 0 written, 1 wrong
// usage, 2 an unreadable file, a bad orb, pointer, ring or picture choice,
// or OUT that could not be written (nothing is left behind then).
int runSheet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const std::filesystem::path& keywordsFile);

// runSheet() as main() starts it: without a display (offscreen).
int runSheetProgram(int argc, char** argv, const std::filesystem::path& keywordsFile);

}  // namespace kelvaro::offscreen
