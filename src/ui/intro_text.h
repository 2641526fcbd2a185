#pragma once

#include <string>
#include <vector>

namespace kelvaro::ui {

// The 35 lines of the introduction shown before a file is loaded.
// `programFolder` is the folder the transit files are saved in, as the user
// reads it.
std::vector<std::string> introLines(const std::string& programFolder);

// The last line of the introduction: the greeting and the signature.
std::string greetingLine();

// The paragraph after the greeting: for readers without the program that
// writes transit files, where a transit file comes from here and where it
// is kept; then what Kelvaro does beyond the analysis of a file, and the
// folders it keeps its files in on this system.
std::vector<std::string> introNewsLines(const std::string& transitFolder,
                                        const std::string& programFolder);

}  // namespace kelvaro::ui
