#pragma once

#include <string>
#include <vector>

// What a console program needs from the system it runs on.
namespace kelvaro::cli {

// The words after the program name in UTF-8. On Windows they are read from
// the wide-character command line, as the narrow ones lose what the code
// page cannot show.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Makes stdout and stderr pass every byte unchanged (Windows would turn LF
// into CR LF) and lets a Windows console show UTF-8.
void useStandardStreamsAsBytes();

}  // namespace kelvaro::cli
